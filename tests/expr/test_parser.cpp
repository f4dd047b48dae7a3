// The scanner and parser: precedence and associativity, every message, the number reader, and
// how names become constants, variables or rows of the two function tables.
#include "exprtest.h"

#include <cmath>

using namespace exprtest;

TEST(ParserGrammar, BindingLevelsAndAssociativity)
{
    EXPECT_EQ(valueOf("10-4-3").re, 3);
    EXPECT_EQ(valueOf("8/2/2").re, 2);
    EXPECT_EQ(valueOf("8/2*2").re, 8);
    EXPECT_NEAR(valueOf("2^3^2").re, 512, 1e-15L);
    EXPECT_EQ(valueOf("-2^2").re, -4);
    EXPECT_EQ(valueOf("1+2*3").re, 7);
    EXPECT_EQ(valueOf("(1+2)*3").re, 9);
    EXPECT_EQ(valueOf(" 2 *  3 ").re, 6);
    EXPECT_EQ(valueOf("-x+1", 2).re, -1);
    EXPECT_NEAR(valueOf("-x^2", 3).re, -9, 1e-16L);
    EXPECT_NEAR(valueOf("2^-x*3", 1).re, 0.125L, 1e-19L);
    EXPECT_NEAR(valueOf("2^-x+1", 1).re, 1.5L, 1e-18L);
}

TEST(ParserGrammar, TreeShapes)
{
    EXPECT_EQ(treeOf("x-x-x"), "minus(minus(x,x),x)");
    EXPECT_EQ(treeOf("2^3^2"), "pow(2,pow(3,2))");
    EXPECT_EQ(treeOf("-2*3"), "neg(mul(2,3))");
    EXPECT_EQ(treeOf("2*-3"), "mul(2,neg(3))");
    EXPECT_EQ(treeOf("2^-x*3"), "pow(2,neg(mul(x,3)))");
    EXPECT_EQ(treeOf("2^-x+1"), "plus(pow(2,neg(x)),1)");
    EXPECT_EQ(treeOf("--x"), "neg(neg(x))");
    EXPECT_EQ(treeOf("-x-x"), "minus(neg(x),x)");
    EXPECT_EQ(treeOf("((x))"), "x");
}

TEST(ParserGrammar, CaseDoesNotMatter)
{
    EXPECT_EQ(treeOf("SIN(X)"), "SIN(x)");
    EXPECT_EQ(treeOf("sin(x)"), treeOf("SIN(X)"));
    EXPECT_EQ(treeOf("Pi*nNoise"), treeOf("PI*NNOISE"));
}

TEST(ParserGrammar, NamedConstants)
{
    EXPECT_EQ(valueOf("pi").re, 3.14159265358979323851L);
    EXPECT_EQ(valueOf("e").re, std::exp(1.0L));
    EXPECT_EQ(valueOf("x", 0.375L).re, 0.375L);
    const parsedExpression i = parse("i");
    EXPECT_TRUE(i.root->complexFlag());
    EXPECT_EQ(evaluateAt(*i.root, 0), (complexValue{0, 1}));
    EXPECT_EQ(treeOf("noise+nnoise"), "plus(noise,nnoise)");
    EXPECT_FALSE(parse("noise").root->complexFlag());
}

// One input for each message, and each still gives a tree that can be evaluated.
TEST(ParserMessages, EveryMessageWithATreeBehindIt)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "Sir Vid."},
        {"   ", "Sir Vid."},
        {"()", "Sir Vid."},
        {"sin()", "Sir Vid."},
        {"2+", "Sir Vid."},
        {"sin(x", "Expresia se termina intr-un mod neasteptat."},
        {"(1", "Expresia se termina intr-un mod neasteptat."},
        {"(1,2)", "Trebuia inchisa o paranteza"},
        {"x2", "Constanta necunoscuta."},
        {"sin x", "Constanta necunoscuta."},
        {"foo(x)", "Functie necunoscuta."},
        {"tan(i)", "Functie necunoscuta."},
        {"f(1,2)", "Identificator nerecunoscut."},
        {"sin(1,2,3,4)", "Identificator nerecunoscut."},
        {"2#3", "Caracter neasteptat : #."},
        {"2x", "Caracter neasteptat : X."},
        {"2 a", "Caracter neasteptat : A."},
        {"1\t+2", "Caracter neasteptat : \t."},
        // The text arrives as UTF-8: the message names the whole character typed.
        {"2\u00e9", "Caracter neasteptat : \u00e9."},
        {"\u00e9+1", "Caracter neasteptat : \u00e9."},
        {"x*\u20ac", "Caracter neasteptat : \u20ac."},
        {"sin(\U0001F600)", "Caracter neasteptat : \U0001F600."},
        {"2\xff", "Caracter neasteptat : \xff."},
        {"2\xc3", "Caracter neasteptat : \xc3."},
        {"1,2", "Am gasit o virgula unde nu trebuie"},
        {"x)", "Se inchid prea multe paranteze."},
        {"(1))", "Se inchid prea multe paranteze."},
        {"2.5.", "Format gresit de numar."},
        {"1.5.2", "Caracter neasteptat : 2."},
        {"1E-3", "Format gresit de numar."},
        {"x)!+1", "Se inchid prea multe paranteze."},
    };
    for (const auto& c : cases) {
        const parsedExpression parsed = parse(c.text);
        EXPECT_EQ(parsed.message, c.message) << "for \"" << c.text << "\"";
        ASSERT_NE(parsed.root, nullptr);
        (void)evaluateAt(*parsed.root, 0.5L);
    }
}

TEST(ParserMessages, BrokenPiecesBecomeZeroAndBuiltOperatorsStay)
{
    EXPECT_EQ(treeOf("x+"), "plus(x,0)");
    EXPECT_EQ(treeOf("x*(1,2)"), "mul(x,1)");
    EXPECT_EQ(treeOf("x+foo(1)"), "plus(x,0)");
    EXPECT_EQ(treeOf("1+f(1,2)*3"), "plus(1,0)");
    // The scan goes on after a malformed number: 1E-3 reads as 1, then "-3" as a subtraction.
    EXPECT_EQ(treeOf("1E-3"), "minus(1,3)");
    EXPECT_EQ(treeOf("1E+3"), "plus(1,3)");
}

TEST(ParserMessages, FifthArgument)
{
    // The call gives up at the fifth argument without a message of its own; what follows
    // complains instead.
    EXPECT_EQ(messageOf("f(1,2,3,4,5)"), "Se inchid prea multe paranteze.");
    EXPECT_EQ(messageOf("(f(1,2,3,4,5))"), "Trebuia inchisa o paranteza");
    EXPECT_EQ(messageOf("1+f(1,2,3,4,5)"), "Caracter neasteptat : 5.");
    // Here nothing that follows complains; the parse must still not pass as clean.
    EXPECT_EQ(messageOf("sin(f(1,2,3,4,5"), "Identificator nerecunoscut.");
    EXPECT_EQ(messageOf("sin(f(1,2,3,4,"), "Expresia se termina intr-un mod neasteptat.");
}

TEST(NumberReader, Forms)
{
    EXPECT_EQ(valueOf(".5").re, 0.5L);
    EXPECT_EQ(valueOf(".").re, 0);
    EXPECT_EQ(valueOf("1.").re, 1);
    EXPECT_EQ(valueOf("12.25").re, 12.25L);
    EXPECT_EQ(valueOf("007").re, 7);
    EXPECT_EQ(valueOf("18446744073709551615").re, 18446744073709551615.0L);
    EXPECT_NEAR(valueOf("0.01").re, 0.01L, 1e-20L);
    EXPECT_NEAR(valueOf("1E2").re, 100, 1e-15L);
    EXPECT_NEAR(valueOf("1e2").re, 100, 1e-15L);
    EXPECT_NEAR(valueOf("2.5E3").re, 2500, 1e-13L);
    EXPECT_NEAR(valueOf("1E0.5").re, std::sqrt(10.0L), 1e-18L);
    EXPECT_NEAR(valueOf("1E2E1").re, 1e20L, 1e3L); // the exponent 2E1 is 20
    EXPECT_TRUE(std::isinf(valueOf("1E99999").re));
}

TEST(NumberReader, Malformed)
{
    const parsedExpression lone = parse("2E");
    EXPECT_EQ(lone.message, "Format gresit de numar.");
    EXPECT_EQ(evaluateAt(*lone.root, 0).re, 2);

    const parsedExpression second = parse("2.5.");
    EXPECT_EQ(evaluateAt(*second.root, 0).re, 2.5L);
    EXPECT_EQ(messageOf("1.2,5"), "Am gasit o virgula unde nu trebuie"); // only '.' is a point
}

TEST(NameHandling, ComplexArgumentsUseTheComplexTable)
{
    EXPECT_EQ(treeOf("sin(i)"), "cSIN(0+1i)");
    EXPECT_TRUE(parse("sin(i)").root->complexFlag());
    EXPECT_EQ(treeOf("sin(x)"), "SIN(x)");
    EXPECT_EQ(treeOf("abs(i)"), "cABS(0+1i)");
    EXPECT_FALSE(parse("abs(i)").root->complexFlag());
    EXPECT_EQ(treeOf("abs(x)"), "ABS(x)");
    EXPECT_EQ(treeOf("phase(x)"), "cPHASE(x)");
    EXPECT_FALSE(parse("phase(i)").root->complexFlag());
    EXPECT_EQ(treeOf("exp(-i*x)"), "cEXP(neg(mul(0+1i,x)))");
    EXPECT_EQ(treeOf("hamming (x)"), "HAMMING(x)");
    for (const char* real : {"tan", "arcsin", "arccos", "arctan", "ln", "sgn", "dirichlet",
                             "bartlett", "blackman", "hamming", "hanning", "dirac"}) {
        EXPECT_EQ(messageOf(std::string(real) + "(x)"), "");
        EXPECT_EQ(messageOf(std::string(real) + "(i)"), "Functie necunoscuta.") << real;
    }
}

TEST(NameHandling, ComplexFlagsOfOperators)
{
    EXPECT_TRUE(parse("1+i").root->complexFlag());
    EXPECT_TRUE(parse("-i").root->complexFlag());
    EXPECT_TRUE(parse("x*(2-i)").root->complexFlag());
    EXPECT_FALSE(parse("x*(2-1)").root->complexFlag());
    EXPECT_FALSE(parse("abs(exp(i*x))").root->complexFlag());
}

TEST(NameHandling, VariablesAreLookedUpBeforeTheRealTable)
{
    tworkspace workspace;
    workspace.add("SIN9", signalSamples::real({1, 2, 3, 4}));
    workspace.add("cv", signalSamples::complex({0, 0}, {0, 0}));
    workspace.add("SIN", signalSamples::real({0})); // the registry's validation would refuse this

    EXPECT_EQ(treeOf("sin9(x)", workspace), "var:SIN9(x)");
    EXPECT_EQ(treeOf("Sin9 (x)", workspace), "var:SIN9(x)");
    EXPECT_EQ(treeOf("sin(x)", workspace), "var:SIN(x)");
    EXPECT_EQ(treeOf("sin(i)", workspace), "cSIN(0+1i)");
    EXPECT_EQ(messageOf("sin9(i)", workspace), "Functie necunoscuta.");
    EXPECT_EQ(messageOf("sin9", workspace), "Constanta necunoscuta.");
    EXPECT_TRUE(parse("cv(x)", workspace).root->complexFlag());
    EXPECT_FALSE(parse("sin9(x)", workspace).root->complexFlag());
    EXPECT_EQ(valueOf("sin9(x)", 0.25L, workspace).re, 2);
}

TEST(NameHandling, ConstantNamesStayConstantsWithoutParentheses)
{
    tworkspace workspace;
    workspace.add("X", signalSamples::real({5, 7}));
    EXPECT_EQ(treeOf("x", workspace), "x");
    EXPECT_EQ(treeOf("x(x)", workspace), "var:X(x)");
    EXPECT_EQ(valueOf("x(0.5)", 0, workspace).re, 7);
}

TEST(ParserGrammar, HelpPageFormula)
{
    const parsedExpression parsed = parse(
        "dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)");
    EXPECT_EQ(parsed.message, "");
    EXPECT_TRUE(parsed.root->complexFlag());
    EXPECT_EQ(describe(*parsed.root),
              "plus(plus(plus(mul(DIRICHLET(minus(mul(x,2),1)),plus(SIN(mul(mul(x,3.14159),2)),"
              "0.5)),mul(x,DIRICHLET(mul(x,2.02)))),mul(0.01,noise)),mul(0.02,cEXP(mul(mul(0+1i,"
              "x),20))))");
}

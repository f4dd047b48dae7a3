#include "expr/parser.h"

#include "core/showntext.h"

#include <array>
#include <cmath>

namespace {

constexpr std::string_view kUnexpectedEnd = KELMO_TEXT("Texts", "Expresia se termina intr-un mod neasteptat.");
constexpr std::string_view kUnclosedGroup = KELMO_TEXT("Texts", "Trebuia inchisa o paranteza");
constexpr std::string_view kMissingOperand = KELMO_TEXT("Texts", "Sir Vid.");
constexpr std::string_view kUnknownConstant = KELMO_TEXT("Texts", "Constanta necunoscuta.");
constexpr std::string_view kUnknownFunction = KELMO_TEXT("Texts", "Functie necunoscuta.");
constexpr std::string_view kUnknownIdentifier = KELMO_TEXT("Texts", "Identificator nerecunoscut.");

constexpr std::string_view kStrayComma = KELMO_TEXT("Texts", "Am gasit o virgula unde nu trebuie");
constexpr std::string_view kTooManyClosing = KELMO_TEXT("Texts", "Se inchid prea multe paranteze.");
constexpr std::string_view kBadNumber = KELMO_TEXT("Texts", "Format gresit de numar.");

// Binding levels: 0 for a whole expression, a group or an argument; the right operand of binary
// + and - and the operand of unary minus at 2, of * and / at 3, of ^ at 4.
constexpr int kLevelSum = 2;
constexpr int kLevelProduct = 3;
constexpr int kLevelPower = 4;
constexpr int kMaxArguments = 4;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || isDigit(c); }

extended powerOfTen(extended e)
{
    static const extended ln10 = std::log(10.0L);
    return std::exp(e * ln10);
}

// One parse: the working text is the user's text with ")!" appended, upper-cased. The ')'
// closes the whole expression like a right parenthesis; the '!' behind it is a stop character
// that no rule accepts.
class scanner {
public:
    scanner(std::string_view text, const tworkspace& workspace)
        : text_(asciiUpper(std::string(text) + ")!")), last_(text_.size() - 2),
          workspace_(workspace)
    {
    }

    parsedExpression run()
    {
        mathNodePtr root = scan(0);
        if (message_.empty() && pos_ != last_)
            message_ = current() == ',' ? kStrayComma : kTooManyClosing;
        // A call that reached a fifth argument left its message to whatever follows; should
        // nothing have complained, it still must not pass as clean.
        if (message_.empty() && fifthArgument_)
            message_ = kUnknownIdentifier;
        return {std::move(root), std::move(message_)};
    }

private:
    // Counts the scanner's own recursion (scan and the number reader).
    class depthGuard {
    public:
        explicit depthGuard(int& depth) : depth_(++depth) {}
        ~depthGuard() { --depth_; }
        depthGuard(const depthGuard&) = delete;
        depthGuard& operator=(const depthGuard&) = delete;

    private:
        int& depth_;
    };

    std::string text_;
    std::size_t pos_ = 0; // index of the current character
    std::size_t last_;    // index of the appended ')'
    std::string message_;
    bool tooComplex_ = false;
    bool fifthArgument_ = false;
    int depth_ = 0;
    const tworkspace& workspace_;

    char current() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool pastEnd() const { return pos_ > last_; }
    bool failed() const { return !message_.empty(); }
    void skipBlanks()
    {
        while (current() == ' ')
            ++pos_;
    }

    // A later message replaces an earlier one, except that a too deep nesting stays reported.
    void fail(std::string_view message)
    {
        if (!tooComplex_)
            message_ = message;
    }
    // Names the character at the current position as the user typed it: the text arrives as
    // UTF-8, so a character beyond ASCII is the whole sequence that starts here.
    void failUnexpected()
    {
        fail(fillText(kUnexpectedCharacterText, {characterAt(pos_)}));
    }

    // The UTF-8 sequence starting at `at`, or its single byte when none starts there.
    std::string_view characterAt(std::size_t at) const
    {
        const auto lead = static_cast<unsigned char>(text_[at]);
        const std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                                                 : 1;
        if (at + length > text_.size())
            return std::string_view(text_).substr(at, 1);
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text_[at + k]) & 0xC0) != 0x80)
                return std::string_view(text_).substr(at, 1);
        return std::string_view(text_).substr(at, length);
    }
    void failTooComplex()
    {
        message_ = kTooComplexMessage;
        tooComplex_ = true;
    }

    static mathNodePtr zero() { return std::make_unique<mathNode_const>(0); }

    // False (with the message set) when a node of that depth would pass the limit.
    bool fits(int depth)
    {
        if (depth <= kMaxTreeDepth)
            return true;
        failTooComplex();
        return false;
    }

    // A node with one argument over `child` would be this deep.
    bool fitsAbove(const mathNode& child) { return fits(child.depth() + 1); }

    // A binary node, or the left operand alone when the node would be too deep.
    template <typename Node> mathNodePtr join(mathNodePtr left, mathNodePtr right)
    {
        if (!fits(mathNode_op::depthOver(left.get(), right.get())))
            return left;
        return std::make_unique<Node>(std::move(left), std::move(right));
    }

    // One operand, then as many binary operators as `level` admits.
    mathNodePtr scan(int level)
    {
        const depthGuard guard(depth_);
        if (depth_ > kMaxScanDepth) {
            failTooComplex();
            return zero();
        }
        bool goOn = false;
        mathNodePtr b = operand(goOn);
        if (!goOn)
            return b;
        return operators(level, std::move(b));
    }

    // Reads exactly one operand; `goOn` tells whether the operator part follows.
    mathNodePtr operand(bool& goOn)
    {
        skipBlanks();
        if (pastEnd()) {
            fail(kUnexpectedEnd);
            return zero();
        }
        const char c = current();
        if (c == '(') {
            ++pos_;
            mathNodePtr r = scan(0);
            if (failed())
                return r;
            if (current() == ')') {
                ++pos_;
                goOn = true;
            } else {
                fail(kUnclosedGroup);
            }
            return r;
        }
        if (c == ')' || c == ',') {
            fail(kMissingOperand);
            return zero();
        }
        if (c == '-') {
            ++pos_;
            mathNodePtr r = scan(kLevelSum);
            if (!fitsAbove(*r))
                return zero();
            mathNodePtr b = std::make_unique<mathNode_unminus>(std::move(r));
            goOn = !failed();
            return b;
        }
        if (c == '.' || isDigit(c)) {
            // Not stopped by a malformed number: the next operator and operand still follow.
            goOn = true;
            return std::make_unique<mathNode_const>(number());
        }
        if (isNameStart(c))
            return name(goOn);
        failUnexpected();
        return zero();
    }

    mathNodePtr operators(int level, mathNodePtr b)
    {
        for (;;) {
            if (pastEnd()) {
                fail(kUnexpectedEnd);
                return b;
            }
            const char c = current();
            switch (c) {
            case ' ':
                ++pos_;
                continue;
            case ')':
            case ',':
                return b;
            case '+':
            case '-': {
                if (level >= kLevelSum)
                    return b;
                ++pos_;
                mathNodePtr r = scan(kLevelSum);
                b = c == '+' ? join<mathNode_plus>(std::move(b), std::move(r))
                             : join<mathNode_minus>(std::move(b), std::move(r));
                break;
            }
            case '*':
            case '/': {
                if (level >= kLevelProduct)
                    return b;
                ++pos_;
                mathNodePtr r = scan(kLevelProduct);
                b = c == '*' ? join<mathNode_multiply>(std::move(b), std::move(r))
                             : join<mathNode_divide>(std::move(b), std::move(r));
                break;
            }
            case '^': {
                ++pos_;
                mathNodePtr r = scan(kLevelPower);
                b = join<mathNode_exponentiate>(std::move(b), std::move(r));
                break;
            }
            default:
                failUnexpected();
                return b;
            }
            if (failed())
                return b;
        }
    }

    // A name: a call when '(' follows, otherwise one of the six constants.
    mathNodePtr name(bool& goOn)
    {
        const std::size_t start = pos_;
        while (isNameChar(current()))
            ++pos_;
        const std::string id = text_.substr(start, pos_ - start);
        skipBlanks();
        if (current() == '(')
            return call(id, goOn);

        mathNodePtr node;
        if (id == "PI")
            node = std::make_unique<mathNode_const>(kPi);
        else if (id == "NOISE")
            node = std::make_unique<mathNode_noise>();
        else if (id == "NNOISE")
            node = std::make_unique<mathNode_nnoise>();
        else if (id == "X")
            node = std::make_unique<mathNode_x>();
        else if (id == "E")
            node = std::make_unique<mathNode_const>(constantE());
        else if (id == "I")
            node = std::make_unique<mathNode_const>(0, 1);
        if (!node) {
            fail(kUnknownConstant);
            return zero();
        }
        goOn = true;
        return node;
    }

    mathNodePtr call(const std::string& id, bool& goOn)
    {
        ++pos_;
        std::array<mathNodePtr, kMaxArguments> arguments;
        arguments[0] = scan(0);
        if (failed())
            return zero();
        bool complex = arguments[0]->complexFlag();
        int count = 1;
        while (current() == ',') {
            ++pos_;
            if (count == kMaxArguments) {
                // The scan resumes at the fifth argument, where the caller's rules complain.
                fifthArgument_ = true;
                return zero();
            }
            arguments[static_cast<std::size_t>(count)] = scan(0);
            if (failed())
                return zero();
            complex = complex || arguments[static_cast<std::size_t>(count)]->complexFlag();
            ++count;
        }
        ++pos_; // past the ')' that ended the last argument
        if (count != 1) {
            fail(kUnknownIdentifier);
            return zero();
        }
        mathNodePtr& argument = arguments[0];
        if (!fitsAbove(*argument))
            return zero();
        mathNodePtr node;
        if (!complex) {
            if (tdspvarPtr variable = workspace_.findVariable(id))
                node = std::make_unique<mathnode_variab>(std::move(argument), std::move(variable));
            else if (const realFunctionRow* row = findRealFunction(id))
                node = std::make_unique<mathNode_genf1>(std::move(argument), *row);
        }
        if (!node) {
            if (const complexFunctionRow* row = findComplexFunction(id))
                node = std::make_unique<mathNode_genf1c>(std::move(argument), *row);
        }
        if (!node) {
            fail(kUnknownFunction);
            return zero();
        }
        goOn = true;
        return node;
    }

    // Digits with an optional point and an exponent after 'E' that is read by this same reader:
    // it has no sign and may have a point of its own. 10^e is exp(e ln 10).
    extended number()
    {
        const depthGuard guard(depth_);
        if (depth_ > kMaxScanDepth) {
            failTooComplex();
            return 0;
        }
        if (current() != '.' && !isDigit(current())) {
            fail(kBadNumber);
            return 0;
        }
        extended value = 0;
        for (bool integerPart = true; integerPart;) {
            const char c = current();
            if (isDigit(c)) {
                value = value * 10 + (c - '0');
                ++pos_;
            } else if (c == '.') {
                ++pos_;
                integerPart = false;
            } else if (c == 'E') {
                ++pos_;
                value = value * powerOfTen(number());
                integerPart = false;
            } else {
                return value;
            }
        }
        extended scale = 1;
        for (;;) {
            scale = scale / 10;
            const char c = current();
            if (isDigit(c)) {
                value = value + scale * (c - '0');
                ++pos_;
            } else if (c == 'E') {
                ++pos_;
                return value * powerOfTen(number());
            } else if (c == '.') {
                ++pos_;
                fail(kBadNumber);
                return value;
            } else {
                return value;
            }
        }
    }
};

} // namespace

parsedExpression parseExpression(std::string_view text, const tworkspace& workspace)
{
    return scanner(text, workspace).run();
}

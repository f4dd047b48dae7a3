#include "io/importnames.h"

#include <gtest/gtest.h>

TEST(ImportNames, FoldsAccentsAndMakesNamesFormulasCanUse)
{
    const std::pair<const char*, const char*> cases[] = {
        {"înregistrare vocală", "INREGISTRAREVOCALA"},
        {"Frecvență", "FRECVENTA"},               // t with comma below
        {"Ştiinţă", "STIINTA"},                   // s and t with cedilla
        {"Ärger Øre Straße Æsir", "ARGERORESTRASSEAESIR"},
        {"ĳssel Œuvre Łódź ſ", "IJSSELOEUVRELODZS"},
        {"e\xCC\x81t\xC3\xA9", "ETE"},           // a combining accent is dropped, é folds
        {"a×b÷c", "ABC"},                         // signs are no letters
        {"\xC3", ""},                             // a cut sequence
        {"\xC1\x81x", "X"},                       // an overlong form is no letter
        {"2024-05-01 proba", "S20240501PROBA"},
        {"sin", "SSIN"},
        {"Noise", "SNOISE"},
        {"noise2", "NOISE2"},
        {"_1", "_1"},
        {"", ""},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(importedName(text), name) << text;
    EXPECT_EQ(foldAccents("Ţară și ȚARĂ"), "Tara si TARA");
}

#include "io/importnames.h"

#include "core/workspace.h"

#include <array>

namespace {

constexpr char32_t kFoldFirst = 0xC0;
constexpr char32_t kFoldLast = 0x17F;

// The base letter of each code point from U+00C0 to U+017F, in order. '*' marks a letter that
// folds to two letters (see twoLetters), '.' a sign that is no letter (the multiplication and
// division signs), left as it is.
constexpr std::string_view kBaseLetters =
    // U+00C0: À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "AAAAAA*CEEEEIIIIDNOOOOO.OUUUUY**"
    // U+00E0: the same in lower case, ÷ for ×, then ÿ
    "aaaaaa*ceeeeiiiidnooooo.ouuuuy*y"
    // U+0100: Ā ā Ă ă Ą ą, Ć ... č, Ď ď Đ đ, Ē ... ě, Ĝ ... ģ, Ĥ ... ħ, Ĩ ... ı, Ĳ ĳ, Ĵ ĵ, Ķ ķ ĸ
    "AaAaAa" "CcCcCcCc" "DdDd" "EeEeEeEeEe" "GgGgGgGg" "HhHh" "IiIiIiIiIi" "**" "Jj" "Kkk"
    // U+0139: Ĺ ... ł, Ń ... ŋ, Ō ... ő, Œ œ, Ŕ ... ř, Ś ... š, Ţ ... ŧ, Ũ ... ų, Ŵ ŵ, Ŷ ŷ Ÿ, Ź ... ž, ſ
    "LlLlLlLlLl" "NnNnNnnNn" "OoOoOo" "**" "RrRrRr" "SsSsSsSs" "TtTtTt" "UuUuUuUuUuUu" "Ww" "YyY"
    "ZzZzZz" "s";
static_assert(kBaseLetters.size() == kFoldLast - kFoldFirst + 1);

std::string_view twoLetters(char32_t c)
{
    switch (c) {
    case 0xC6: return "AE";
    case 0xDE: return "TH";
    case 0xDF: return "ss";
    case 0xE6: return "ae";
    case 0xFE: return "th";
    case 0x132: return "IJ";
    case 0x133: return "ij";
    case 0x152: return "OE";
    case 0x153: return "oe";
    default: return {};
    }
}

// Ș ș Ț ț with the comma below, as Romanian text should write them (U+0218 to U+021B).
char commaBelowLetter(char32_t c)
{
    switch (c) {
    case 0x218: return 'S';
    case 0x219: return 's';
    case 0x21A: return 'T';
    case 0x21B: return 't';
    default: return 0;
    }
}

// Decodes the two-byte UTF-8 sequence at `p`, the only length the folded letters have; 0 when
// the bytes are not one.
char32_t twoByteCodePoint(std::string_view text, std::size_t p)
{
    const auto lead = static_cast<unsigned char>(text[p]);
    if (p + 1 >= text.size() || (lead & 0xE0) != 0xC0)
        return 0;
    const auto next = static_cast<unsigned char>(text[p + 1]);
    if ((next & 0xC0) != 0x80)
        return 0;
    const char32_t c = (static_cast<char32_t>(lead & 0x1F) << 6) | (next & 0x3F);
    return c >= 0x80 ? c : 0; // an overlong form is no letter
}

} // namespace

std::string foldAccents(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t p = 0; p < utf8.size();) {
        const char32_t c = twoByteCodePoint(utf8, p);
        std::string_view folded;
        char single = 0;
        if (c >= kFoldFirst && c <= kFoldLast) {
            single = kBaseLetters[c - kFoldFirst];
            if (single == '*')
                folded = twoLetters(c);
            else if (single == '.')
                single = 0;
        } else if (c != 0) {
            single = commaBelowLetter(c);
        }
        if (single != 0 && single != '*') {
            out += single;
            p += 2;
        } else if (!folded.empty()) {
            out += folded;
            p += 2;
        } else {
            out += utf8[p++];
        }
    }
    return out;
}

std::string importedName(std::string_view text)
{
    std::string name = normaliseName(foldAccents(text));
    if (!name.empty() && ((name[0] >= '0' && name[0] <= '9') || tworkspace::isReservedName(name)))
        name.insert(name.begin(), kImportedNamePrefix);
    return name;
}

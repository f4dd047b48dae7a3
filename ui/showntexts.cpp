#include "ui/showntexts.h"

#include "core/showntext.h"
#include "dsp/dsptexts.h"
#include "expr/parser.h"
#include "io/iotexts.h"
#include "plot/plottexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

// A template cut at its places: literal pieces, with the place numbers between them.
struct cutTemplate {
    std::string_view source;
    std::vector<std::string_view> pieces; // one more than places
    std::vector<int> places;              // 1 ... 9
    std::size_t literalLength = 0;
};

cutTemplate cut(std::string_view source)
{
    cutTemplate t{source, {}, {}, 0};
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < source.size(); ++i) {
        if (source[i] == '%' && source[i + 1] >= '1' && source[i + 1] <= '9') {
            t.pieces.push_back(source.substr(start, i - start));
            t.places.push_back(source[i + 1] - '0');
            start = i + 2;
            ++i;
        }
    }
    t.pieces.push_back(source.substr(start));
    for (std::string_view piece : t.pieces)
        t.literalLength += piece.size();
    return t;
}

// Every template, those with the most fixed text first, so that "Cannot read the sound file :
// %1 channels (at most %2)" is tried before "Cannot read the sound file : %1".
const std::vector<cutTemplate>& templates()
{
    static const std::vector<cutTemplate> all = [] {
        std::vector<cutTemplate> out;
        const auto add = [&out](const auto& list) {
            for (std::string_view source : list)
                out.push_back(cut(source));
        };
        add(kIoTextTemplates);
        add(kDspTextTemplates);
        add(kPlotTextTemplates);
        add(std::array{kUnexpectedCharacterText});
        std::stable_sort(out.begin(), out.end(), [](const cutTemplate& a, const cutTemplate& b) {
            return a.literalLength > b.literalLength;
        });
        return out;
    }();
    return all;
}

// The parts of `line` in the places of `t`, or nothing when the line is not made from it. A
// part runs to the first occurrence of the piece after it; the last piece ends the line.
std::optional<std::vector<std::string_view>> partsOf(const cutTemplate& t, std::string_view line)
{
    if (t.places.empty() || !line.starts_with(t.pieces.front()))
        return std::nullopt;
    std::vector<std::string_view> parts;
    std::size_t at = t.pieces.front().size();
    for (std::size_t k = 1; k < t.pieces.size(); ++k) {
        const std::string_view piece = t.pieces[k];
        const bool last = k + 1 == t.pieces.size();
        std::size_t end;
        if (last) {
            if (line.size() < at + piece.size() || !line.ends_with(piece))
                return std::nullopt;
            end = line.size() - piece.size();
        } else {
            end = piece.empty() ? at : line.find(piece, at);
            if (end == std::string_view::npos)
                return std::nullopt;
        }
        parts.push_back(line.substr(at, end - at));
        at = end + piece.size();
    }
    return parts;
}

QString translated(std::string_view source)
{
    const std::string text(source);
    return QCoreApplication::translate(KELMO_TEXT_CONTEXT, text.c_str());
}

// A part of a message: translated when it is a marked text itself ("cicluri/esantion").
QString shownPart(std::string_view part) { return translated(part); }

QString shownLine(std::string_view line)
{
    if (line.empty())
        return {};
    const std::string text(line);
    const QString whole = QCoreApplication::translate(KELMO_TEXT_CONTEXT, text.c_str());
    if (whole != QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
        return whole;
    for (const cutTemplate& t : templates()) {
        const std::optional<std::vector<std::string_view>> parts = partsOf(t, line);
        if (!parts)
            continue;
        // The places are filled in one pass, so a part's own '%' is never read as a place.
        const QString form = translated(t.source);
        QString out;
        for (qsizetype i = 0; i < form.size(); ++i) {
            if (form[i] == QLatin1Char('%') && i + 1 < form.size() && form[i + 1] >= QLatin1Char('1') &&
                form[i + 1] <= QLatin1Char('9')) {
                const int place = form[i + 1].unicode() - '0';
                const auto slot = std::find(t.places.begin(), t.places.end(), place);
                if (slot != t.places.end()) {
                    out += shownPart((*parts)[static_cast<std::size_t>(slot - t.places.begin())]);
                    ++i;
                    continue;
                }
            }
            out += form[i];
        }
        return out;
    }
    return whole;
}

} // namespace

QString shownText(std::string_view text)
{
    QString out;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        out += shownLine(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        out += QLatin1Char('\n');
        start = end + 1;
    }
    return out;
}

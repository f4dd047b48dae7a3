#include "io/csvfile.h"

#include "io/fileaccess.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kCsvDigits = 21; // 1 + ceil(64 * log10(2)): every 80-bit value reads back exactly
constexpr int kPlainLow = -5;  // plain notation for 1e-5 <= |v| < 1e21
constexpr int kPlainHigh = 21;
constexpr std::size_t kChunk = std::size_t{1} << 16;

// A name as a header cell: control characters left out, quoted when it holds a separator, a
// quote or blanks at its ends, so the reader gets it back as written.
std::string headerCell(const std::string& text)
{
    std::string clean;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 32)
            clean += c;
    const bool quote = clean.find_first_of(",;\t\"") != std::string::npos ||
                       (!clean.empty() && (clean.front() == ' ' || clean.back() == ' '));
    if (!quote)
        return clean;
    std::string out = "\"";
    for (const char c : clean) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

void appendHeader(const std::vector<tdspvarPtr>& variables, std::string& out)
{
    bool first = true;
    for (const auto& v : variables) {
        const std::string name = asciiLower(v->name());
        if (!first)
            out += ',';
        first = false;
        if (v->isComplex())
            out += headerCell(name + kCsvRealSuffix) + "," + headerCell(name + kCsvImaginarySuffix);
        else
            out += headerCell(name);
    }
    out += "\r\n";
}

} // namespace

std::string formatCsvNumber(extended value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    std::string out = std::signbit(value) ? "-" : "";
    if (value == 0)
        return out + "0";

    // The C library rounds exactly; only its digits and exponent are taken, so the locale's
    // decimal separator does not matter.
    char text[64];
    std::snprintf(text, sizeof text, "%.*Le", kCsvDigits - 1, std::fabs(value));
    std::string digits;
    const char* p = text;
    for (; *p && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    int exponent = 0;
    if (*p)
        exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const auto count = static_cast<int>(digits.size());
    if (exponent >= kPlainLow && exponent < kPlainHigh) {
        if (exponent < 0) {
            out.append("0.");
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out.append(digits);
        } else if (count <= exponent + 1) {
            out.append(digits);
            out.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            out.append(digits, 0, static_cast<std::size_t>(exponent + 1));
            out.push_back('.');
            out.append(digits, static_cast<std::size_t>(exponent + 1));
        }
        return out;
    }
    out.push_back(digits[0]);
    if (count > 1) {
        out.push_back('.');
        out.append(digits, 1);
    }
    out.push_back('e');
    out.append(std::to_string(exponent));
    return out;
}

namespace {

void writeCsvText(const std::vector<tdspvarPtr>& variables,
                  const std::function<bool(std::string_view)>& sink)
{
    std::string out;
    out.reserve(kChunk + 1024);
    appendHeader(variables, out);
    int rows = 0;
    for (const auto& v : variables)
        rows = std::max(rows, v->sampleCount());
    for (int i = 0; i < rows; ++i) {
        const auto index = static_cast<std::size_t>(i);
        bool first = true;
        for (const auto& v : variables) {
            if (!first)
                out += ',';
            first = false;
            const bool present = i < v->sampleCount();
            if (present)
                out += formatCsvNumber(v->real()[index]);
            if (v->isComplex()) {
                out += ',';
                if (present)
                    out += formatCsvNumber(index < v->imag().size() ? v->imag()[index] : 0);
            }
        }
        out += "\r\n";
        if (out.size() >= kChunk) {
            if (!sink(out))
                return;
            out.clear();
        }
    }
    if (!out.empty())
        sink(out);
}

} // namespace

std::string csvText(const std::vector<tdspvarPtr>& variables)
{
    return collectText([&](const textSink& sink) { writeCsvText(variables, sink); });
}

bool saveCsvFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 loadCallbacks& callbacks)
{
    std::string message;
    if (saveText(path, [&](const textSink& sink) { writeCsvText(variables, sink); }, message))
        return true;
    callbacks.showError(message);
    return false;
}

#include "core/workspace.h"

#include <algorithm>

const std::array<std::string_view, 19> tworkspace::reservedNames = {
    "SIN",     "COS",     "TAN",     "ARCSIN",   "ARCCOS", "ARCTAN", "EXP",
    "LN",      "SGN",     "DIRICHLET", "BARTLETT", "DIRAC", "HAMMING", "HANNING",
    "BLACKMAN", "ABS",    "PHASE",   "NOISE",    "NNOISE"};

std::string normaliseName(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c >= 'a' && c <= 'z')
            out.push_back(static_cast<char>(c - 'a' + 'A'));
        else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
            out.push_back(c);
    }
    return out;
}

std::string asciiUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

int tworkspace::indexOf(const tdspvar& variable) const
{
    for (std::size_t i = 0; i < variables_.size(); ++i)
        if (variables_[i].get() == &variable)
            return static_cast<int>(i);
    return -1;
}

tdspvarPtr tworkspace::findVariable(std::string_view name) const
{
    const std::string query = asciiUpper(name);
    for (auto it = variables_.rbegin(); it != variables_.rend(); ++it)
        if (asciiUpper((*it)->name()) == query)
            return *it;
    return nullptr;
}

bool tworkspace::isReservedName(std::string_view normalisedName)
{
    return std::find(reservedNames.begin(), reservedNames.end(), normalisedName) !=
           reservedNames.end();
}

bool tworkspace::nameIsValid(std::string_view text) const
{
    const std::string n = normaliseName(text);
    return !findVariable(n) && !isReservedName(n);
}

nameRefusal tworkspace::refusalOf(std::string_view text) const
{
    if (text.empty())
        return nameRefusal::empty;
    const std::string n = normaliseName(text);
    if (findVariable(n))
        return nameRefusal::taken;
    if (isReservedName(n))
        return nameRefusal::reserved;
    if (n.size() != text.size())
        return nameRefusal::badCharacter;
    if (n.front() >= '0' && n.front() <= '9')
        return nameRefusal::startsWithDigit;
    return nameRefusal::none;
}

tdspvarPtr tworkspace::add(std::string name, signalSamples samples, variableInfo info)
{
    auto variable = std::make_shared<tdspvar>(std::move(name), std::move(samples), std::move(info));
    insertAt(variable, variableCount());
    return variable;
}

void tworkspace::restoreVariable(const tdspvarPtr& variable, int index)
{
    if (!variable || indexOf(*variable) >= 0)
        return;
    insertAt(variable, std::clamp(index, 0, variableCount()));
}

void tworkspace::insertAt(const tdspvarPtr& variable, int index)
{
    variables_.insert(variables_.begin() + index, variable);
    if (recorder_)
        recorder_->variableAdded(variable, index);
    if (listener_) {
        if (variables_.size() == 1)
            listener_->emptinessChanged(false);
        listener_->variableCreated(variable, index);
    }
}

void tworkspace::replaceSamples(const tdspvarPtr& variable, signalSamples samples)
{
    if (!variable || indexOf(*variable) < 0)
        return;
    guardSampleWrite();
    // Storing allocates nothing once the imaginary parts match the count, so the old samples can
    // be moved out without the risk of leaving the variable half changed.
    samples.im.resize(samples.isComplex ? samples.re.size() : 0);
    signalSamples previous{std::move(variable->re), std::move(variable->im), variable->complex_, variable->peak_};
    variable->store(std::move(samples));
    if (recorder_)
        recorder_->samplesReplaced(variable, std::move(previous));
    if (listener_)
        listener_->samplesChanged(variable);
}

void tworkspace::rename(const tdspvarPtr& variable, std::string name)
{
    if (!variable || indexOf(*variable) < 0)
        return;
    std::swap(variable->name_, name);
    if (recorder_)
        recorder_->nameReplaced(variable, std::move(name));
    if (listener_)
        listener_->detailsChanged(variable);
}

void tworkspace::setInfo(const tdspvarPtr& variable, variableInfo info)
{
    if (!variable || indexOf(*variable) < 0)
        return;
    std::swap(variable->info_, info);
    if (recorder_)
        recorder_->infoReplaced(variable, std::move(info));
    if (listener_)
        listener_->detailsChanged(variable);
}

void tworkspace::removeVariable(const tdspvarPtr& variable)
{
    const int index = variable ? indexOf(*variable) : -1;
    if (index < 0)
        return;
    tdspvarPtr keep = variable; // the caller's reference may be the one we erase
    variables_.erase(variables_.begin() + index);
    if (recorder_)
        recorder_->variableRemoved(keep, index);
    if (listener_)
        listener_->variableRemoved(keep, index);
    if (variables_.empty() && listener_)
        listener_->emptinessChanged(true);
}

void tworkspace::variableNameList(std::vector<std::string>& list) const
{
    list.clear();
    for (const auto& v : variables_)
        list.push_back(asciiLower(v->name()));
}

void tworkspace::guardSampleWrite()
{
    if (reader_)
        reader_->stopReading();
}

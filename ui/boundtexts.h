// BoundTexts: the texts a window shows, each bound to the control that shows it by its source
// text (the program's own, Romanian), so that one call sets them all again in the language
// installed now. A window binds its fixed texts once, when it makes its controls, and calls
// retranslate() on a LanguageChange; texts that depend on the window's state it sets itself.
// The controls must live as long as the window that owns this object.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class BoundTexts {
public:
    // `context` is the translation context of the sources: the window's class name.
    explicit BoundTexts(const char* context) : context_(context) {}

    // A source's translation in this context.
    QString operator()(const char* source) const { return QCoreApplication::translate(context_, source); }

    // Shows the source's translation with `show` now and at every retranslate().
    void bind(const char* source, std::function<void(const QString&)> show)
    {
        show((*this)(source));
        bindings_.emplace_back(source, std::move(show));
    }
    // The commonest case: a control's setText.
    template <class Control>
    void text(Control* control, const char* source)
    {
        bind(source, [control](const QString& t) { control->setText(t); });
    }

    // A text that depends on the window's state: `refresh` sets it again at every retranslate().
    void onChange(std::function<void()> refresh) { refreshers_.push_back(std::move(refresh)); }

    void retranslate() const
    {
        for (const auto& [source, show] : bindings_)
            show((*this)(source));
        for (const auto& refresh : refreshers_)
            refresh();
    }

private:
    const char* context_;
    std::vector<std::pair<const char*, std::function<void(const QString&)>>> bindings_;
    std::vector<std::function<void()>> refreshers_;
};

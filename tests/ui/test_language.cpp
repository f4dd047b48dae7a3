// Every window walked in both languages: in English no text is left in Romanian and none is cut
// off by its control; in both languages the accelerators of a window, and of each menu, differ.
#include "mainwindow_fixture.h"

#include "ui/columnpreviewdialog.h"
#include "ui/language.h"
#include "ui/pictureexportdialog.h"
#include "ui/soundexportdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace {

// A text as it reads: without its mnemonic marks ("&&" is a plain '&').
QString plain(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The letter after a single '&', lower-cased, or none.
std::optional<QChar> mnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return std::nullopt;
}

// Every Romanian source of the translation whose English reads otherwise, as it reads.
std::set<QString> romanianSources()
{
    QFile file(QStringLiteral(KELMO_TS_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KELMO_TS_FILE;
    QXmlStreamReader xml(&file);
    std::set<QString> sources;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            if (const QString english = plain(xml.readElementText()); !english.isEmpty() && english != plain(source))
                sources.insert(plain(source));
    }
    return sources;
}

// Words only Romanian uses, for texts that never went through the translation.
bool hasRomanianWord(const QString& text)
{
    static const QRegularExpression words(
        QStringLiteral("\\b(si|sau|de|din|pentru|cu|la|nu|este|variabil\\w*|ferestr\\w*|esantio\\w*|genereaza|"
                       "salveaza|incarca|iesire|anuleaza|reface|functi[ea]|frecventa|ajutor|fisier\\w*|"
                       "valoare|pozitie|numar|procesare|sterge|listeaza|vizualizeaza|despre|inchide|alege|"
                       "nume|ordin\\w*|taiere|raspuns|poli|zerouri|coloan\\w*|sunet\\w*|asculta|opreste)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return words.match(text).hasMatch();
}

// A text a control shows, with the width the control gives it (none: not measured).
struct shownText {
    QString text;
    const QObject* control;
    std::optional<int> room;
};

// The room a control leaves its text, and whether its text's mnemonic counts in the window.
std::optional<int> roomOf(const QWidget& w)
{
    const QStyle* style = w.style();
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->wordWrap() || label->textFormat() == Qt::RichText ? std::nullopt
                                                                          : std::optional(label->contentsRect().width());
    if (qobject_cast<const QCheckBox*>(&w) != nullptr)
        return w.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
    if (qobject_cast<const QRadioButton*>(&w) != nullptr)
        return w.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &w) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &w);
    if (qobject_cast<const QPushButton*>(&w) != nullptr)
        return w.width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &w) / 2 - 4;
    return std::nullopt;
}

// The texts of `window` and of the controls it shows, menus' actions apart.
std::vector<shownText> textsOf(QWidget& window)
{
    std::vector<shownText> out{{window.windowTitle(), &window, std::nullopt}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(&window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            out.push_back({label->text(), w, roomOf(*w)});
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            out.push_back({button->text(), w, roomOf(*w)});
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            out.push_back({box->title(), w, std::nullopt});
        else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                out.push_back({combo->itemText(i), w, std::nullopt});
        else if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(c))
                    out.push_back({header->text(), w, std::nullopt});
        if (!w->toolTip().isEmpty())
            out.push_back({w->toolTip(), w, std::nullopt});
    }
    return out;
}

// The menus of `window`: its menu bar and every menu it owns, each with its visible actions.
std::vector<std::pair<QString, QList<QAction*>>> menusOf(QWidget& window)
{
    std::vector<std::pair<QString, QList<QAction*>>> out;
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        out.emplace_back(QStringLiteral("menu bar"), main->menuBar()->actions());
    for (QMenu* menu : window.findChildren<QMenu*>())
        out.emplace_back(menu->objectName() + QLatin1Char(' ') + menu->title(), menu->actions());
    return out;
}

// The windows a person can open: the main window, the windows it made at its start, the dialogs
// made on first use, and the filter design dialog, walked while it is open.
class LanguageTest : public uitest::MainWindowTest {
protected:
    void TearDown() override
    {
        languages.install(interfaceLanguage::romanian);
        MainWindowTest::TearDown();
    }

    std::vector<QWidget*> windows()
    {
        std::vector<QWidget*> out{mainWindow.get()};
        for (QDialog* dialog : mainWindow->findChildren<QDialog*>())
            out.push_back(dialog);
        for (QWidget* w : {static_cast<QWidget*>(&sound), static_cast<QWidget*>(&columns),
                           static_cast<QWidget*>(&picture)})
            out.push_back(w);
        return out;
    }

    // Runs `check` on every window; the inverse Z window with its system panel open, and the
    // filter design dialog, while they are open.
    void walk(const std::function<void(QWidget&)>& check)
    {
        const QString designButton = QStringLiteral("DesignButton");
        for (QWidget* w : windows()) {
            if (w->findChild<QPushButton*>(designButton) != nullptr)
                continue;
            // Shown, so that the layouts have placed every control as a person sees it.
            const bool shown = w->isVisible();
            w->show();
            QCoreApplication::processEvents();
            check(*w);
            if (!shown)
                w->hide();
        }
        bool walked = false;
        uitest::whenModal([&](QWidget* system) {
            ASSERT_NE(system, nullptr);
            check(*system);
            uitest::whenModal([&](QWidget* design) {
                ASSERT_NE(design, nullptr);
                check(*design);
                walked = true;
            });
            uitest::child<QPushButton>(*system, "DesignButton")->click();
        });
        mainWindow->showSystem();
        EXPECT_TRUE(walked);
    }

    LanguageSwitch languages;
    SoundExportDialog sound{nullptr};
    ColumnPreviewDialog columns{nullptr};
    PictureExportDialog picture{nullptr};
};

// The Variable menu's fixed Romanian captions "&Vizualizeaza" and "Con&volutie" share their letter.
bool fixedClash(const QString& a, const QString& b)
{
    const QStringList pair{QStringLiteral("&Vizualizeaza"), QStringLiteral("Con&volutie")};
    return pair.contains(a) && pair.contains(b);
}

void expectDistinctMnemonics(QWidget& window, const char* language)
{
    std::map<QChar, QString> seen;
    for (const shownText& t : textsOf(window)) {
        const auto* label = qobject_cast<const QLabel*>(t.control);
        const bool counts = qobject_cast<const QAbstractButton*>(t.control) != nullptr ||
                            qobject_cast<const QGroupBox*>(t.control) != nullptr || (label && label->buddy());
        const std::optional<QChar> m = counts ? mnemonicOf(t.text) : std::nullopt;
        if (!m)
            continue;
        const auto [at, fresh] = seen.emplace(*m, t.text);
        EXPECT_TRUE(fresh) << language << ' ' << window.objectName().toStdString() << ": \"" << t.text.toStdString()
                           << "\" and \"" << at->second.toStdString() << "\" share &" << QString(*m).toStdString();
    }
    for (const auto& [menu, actions] : menusOf(window)) {
        std::map<QChar, QString> inMenu;
        for (const QAction* a : actions) {
            const std::optional<QChar> m = a->isVisible() ? mnemonicOf(a->text()) : std::nullopt;
            if (!m)
                continue;
            const auto [at, fresh] = inMenu.emplace(*m, a->text());
            EXPECT_TRUE(fresh || fixedClash(a->text(), at->second)) << language << ' ' << menu.toStdString() << ": \"" << a->text().toStdString()
                               << "\" and \"" << at->second.toStdString() << "\" share &"
                               << QString(*m).toStdString();
        }
    }
}

} // namespace

TEST_F(LanguageTest, EveryWindowSpeaksEnglishWholeAndKeepsItsAcceleratorsApart)
{
    addVariable("sin1");
    walk([](QWidget& w) { expectDistinctMnemonics(w, "ro"); });

    // Romanian widths, for the few controls whose Romanian text already overflows its fixed size.
    std::map<const QObject*, int> romanianWidth;
    walk([&](QWidget& w) {
        for (const shownText& t : textsOf(w)) {
            const QFontMetrics metrics(static_cast<const QWidget*>(t.control)->font());
            int widest = 0;
            for (const QString& line : plain(t.text).split(QLatin1Char('\n')))
                widest = std::max(widest, metrics.horizontalAdvance(line));
            romanianWidth[t.control] = std::max(romanianWidth[t.control], widest);
        }
    });

    ASSERT_TRUE(languages.install(interfaceLanguage::english));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const std::set<QString> romanian = romanianSources();
    ASSERT_FALSE(romanian.empty());
    const QStringList bilingual{QStringLiteral("Limba / Language"), QStringLiteral("Romana")};
    const auto expectEnglish = [&](const QString& text, const QString& where) {
        const QString reads = plain(text);
        if (reads.isEmpty() || bilingual.contains(reads))
            return;
        EXPECT_FALSE(romanian.contains(reads) || hasRomanianWord(reads))
            << where.toStdString() << ": \"" << reads.toStdString() << "\" is still Romanian";
    };
    walk([&](QWidget& w) {
        expectDistinctMnemonics(w, "en");
        for (const shownText& t : textsOf(w)) {
            const QString where = w.objectName() + QLatin1Char('/') + t.control->objectName();
            expectEnglish(t.text, where);
            if (!t.room)
                continue;
            const QFontMetrics metrics(static_cast<const QWidget*>(t.control)->font());
            for (const QString& line : plain(t.text).split(QLatin1Char('\n'))) {
                const int width = metrics.horizontalAdvance(line);
                EXPECT_TRUE(width <= *t.room || width <= romanianWidth[t.control])
                    << where.toStdString() << ": \"" << line.toStdString() << "\" needs " << width
                    << " pixels, has " << *t.room;
            }
        }
        for (const auto& [menu, actions] : menusOf(w))
            for (const QAction* a : actions) {
                expectEnglish(a->text(), menu + QLatin1Char('/') + a->objectName());
                expectEnglish(a->statusTip(), menu + QLatin1Char('/') + a->objectName() + QStringLiteral(" hint"));
            }
    });
}

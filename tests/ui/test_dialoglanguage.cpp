// The texts that follow a window's state, set again when the language changes while it is open.

#include "test_files_fixture.h"

#include "ui/generatedialog.h"
#include "ui/language.h"
#include "ui/processingdialog.h"

#include <QPlainTextEdit>

#include <functional>

using namespace uitest;
using namespace uitest::controls;

// The undo item names its step, the processing dialog its command and the generation dialog shows
// the parser's message: each reads in English after the switch and in Romanian again after the
// switch back, without the window being closed or the state changing.
TEST_F(FilesTest, StateTextsFollowTheLanguage)
{
    addVariable("a");
    modalScript script;
    script.then([](QWidget* modal) { Button1(*modal)->click(); });
    child<QAction>(*mainWindow, "Sterge1")->trigger();

    auto& processing = window<ProcessingDialog>();
    processing.setProcessingType(processingType::fourier);
    processing.show();
    auto& generate = window<GenerateDialog>();
    generate.show();
    Edit2(generate)->setText(QStringLiteral("sin("));
    ASSERT_TRUE(waitUntil([&] {
        generate.tick();
        return !Memo1(generate)->toPlainText().isEmpty();
    }));

    struct shownText {
        std::function<QString()> text;
        QString romanian;
        QString english;
    };
    const shownText texts[] = {
        {[&] { return child<QAction>(*mainWindow, "Anuleaza1")->text(); }, "&Anuleaza: Sterge", "&Undo: Delete"},
        {[&] { return processing.windowTitle(); }, "Transformata Fourier", "Fourier transform"},
        {[&] { return Memo1(generate)->toPlainText(); }, "Sir Vid.", "Missing operand."},
    };
    LanguageSwitch languages;
    for (const interfaceLanguage language : {interfaceLanguage::english, interfaceLanguage::romanian}) {
        ASSERT_TRUE(languages.install(language));
        QApplication::processEvents();
        for (const shownText& t : texts)
            EXPECT_EQ(t.text(), language == interfaceLanguage::english ? t.english : t.romanian);
    }
    generate.reject();
    processing.reject();
}

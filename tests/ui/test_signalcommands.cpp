// The File menu's commands for sound files and text columns, the export mode of the selection
// dialog, the sound export and column preview dialogs, the long-file question, and the graph as
// a picture.
#include "test_files_fixture.h"

#include "io/csvfile.h"
#include "io/soundfile.h"
#include "ui/columnpreviewdialog.h"
#include "ui/graphwindow.h"
#include "ui/plotbitmap.h"
#include "ui/radiogroup.h"
#include "ui/selectiondialog.h"
#include "ui/signalcommands.h"
#include "ui/spinedit.h"
#include "ui/soundexportdialog.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using namespace uitest::controls;

using uitest::modalScript;

namespace {

class SignalCommandsTest : public uitest::FilesTest {};

QAction* action(MainWindow& mainWindow, const char* name)
{
    return mainWindow.findChild<QAction*>(QString::fromLatin1(name));
}

struct silentCallbacks : loadCallbacks {
    dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::cancel; }
    void showError(const std::string&) override {}
};

struct keepAll : importCallbacks {
    dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::cancel; }
    void showError(const std::string&) override {}
    bool keepFirstPart(std::int64_t, std::int64_t, int) override { return true; }
};

tdspvarPtr samples(std::vector<extended> re)
{
    return std::make_shared<tdspvar>("S", signalSamples::real(std::move(re)));
}

// Presses the button of a message box whose text starts with `caption`.
void pressButton(QWidget* box, const QString& caption)
{
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text().remove(QLatin1Char('&')).startsWith(caption)) {
            b->click();
            return;
        }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

} // namespace

TEST_F(SignalCommandsTest, SignalItemsFollowTheFileMenuWithTheirHintsAndDialogs)
{
    QMenu* file = mainWindow->menuBar()->actions().value(0)->menu();
    ASSERT_NE(file, nullptr);
    QStringList names;
    for (QAction* a : file->actions())
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(names, QStringList({"Save1", "Open1", "Import1", "FisiereRecente1", "-", "ImportSound1",
                                  "ImportColumns1", "ExportColumns1", "ExportSound1", "-", "Exit1"}));
    for (const SignalCommands::menuItem& item : SignalCommands::menuItems()) {
        QAction* a = action(*mainWindow, item.objectName);
        EXPECT_EQ(a->text(), QString::fromLatin1(item.caption));
        EXPECT_EQ(a->statusTip(), QString::fromLatin1(item.hint));
        EXPECT_FALSE(a->statusTip().isEmpty());
        EXPECT_TRUE(a->shortcut().isEmpty()); // no key of the program's own is taken
    }

    struct expectation {
        fileDialogKind kind;
        QString firstFilter;
        QString suffix;
        bool save;
        QString defaultName;
    };
    const expectation table[] = {
        {fileDialogKind::importColumns, "Text columns (*.csv *.txt *.tsv *.dat)", "csv", false, ""},
        {fileDialogKind::exportColumns, "CSV files (*.csv)", "csv", true, "variabile.csv"},
        {fileDialogKind::exportSound, "WAV files (*.wav)", "wav", true, "sunet.wav"},
        {fileDialogKind::savePicture, "PNG pictures (*.png)", "png", true, "grafic.png"},
        {fileDialogKind::exportFlac, "FLAC files (*.flac)", "flac", true, "sunet.flac"},
    };
    for (const expectation& e : table) {
        QFileDialog* d = fileDialogs().dialog(e.kind);
        EXPECT_EQ(d->nameFilters().value(0), e.firstFilter);
        EXPECT_EQ(d->nameFilters().value(1), QStringLiteral("All files (*)"));
        EXPECT_EQ(d->defaultSuffix(), e.suffix);
        EXPECT_EQ(d->acceptMode(), e.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(d->fileMode(), e.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (e.save) {
            EXPECT_EQ(QFileInfo(d->selectedFiles().value(0)).fileName(), e.defaultName);
        }
    }
    // Sound: whatever the installed library reads (mp3 and opus where it decodes them).
    const QString sound = fileDialogs().dialog(fileDialogKind::importSound)->nameFilters().value(0);
    const QStringList patterns = sound.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '));
    for (const std::string& extension : soundFileExtensions())
        EXPECT_TRUE(patterns.contains(QStringLiteral("*.") + QString::fromStdString(extension))) << extension;
    EXPECT_TRUE(sound.startsWith(QStringLiteral("Sound files (*.wav *.flac")));
}

TEST_F(SignalCommandsTest, SoundExportInItsEncodingsAndClippedSamplesReported)
{
    addVariable("LOUD", {0.5L, 2, -3, 0.25L});
    const struct {
        soundEncoding encoding;
        sampleScaling scaling; // as stored, two samples beyond +-1 are clipped and reported
        const char* file;
        fileDialogKind asked;
        extended fullScale; // of the integers written
    } cases[] = {
        {soundEncoding::pcm16, sampleScaling::asStored, "a.wav", fileDialogKind::exportSound, 32768},
        {soundEncoding::pcm24, sampleScaling::asStored, "b.wav", fileDialogKind::exportSound, 8388608},
        {soundEncoding::flac24, sampleScaling::asStored, "c.flac", fileDialogKind::exportFlac, 8388608},
        {soundEncoding::flac16, sampleScaling::toPeak, "d.flac", fileDialogKind::exportFlac, 32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        nextPath = path(QString::fromLatin1(c.file));
        asked.clear();
        QString report;
        modalScript script;
        script.then([&](QWidget*) { Button1(window<SelectionDialog>())->click(); })
            .then([&](QWidget* dialog) {
                FormatGroup(*dialog)->setItemIndex(static_cast<int>(c.encoding));
                EXPECT_TRUE(ScalingGroup(*dialog)->isEnabled()); // a question for integers
                ScalingGroup(*dialog)->setItemIndex(static_cast<int>(c.scaling));
                OkButton(*dialog)->click();
            });
        const bool asStored = c.scaling == sampleScaling::asStored;
        if (asStored)
            script.then([&](QWidget* box) { report = uitest::messageText(box); });
        action(*mainWindow, "ExportSound1")->trigger();
        EXPECT_EQ(asked, std::vector<fileDialogKind>{c.asked});
        EXPECT_EQ(report, asStored ? QStringLiteral("2 esantioane erau in afara domeniului -1 ... +1 si au fost limitate.")
                                   : QString());
        tworkspace back;
        keepAll keep;
        const soundImport in = importSoundFile(QFile::encodeName(nextPath).toStdString(), back, keep);
        ASSERT_EQ(in.variables.size(), 1u);
        const extended top = (c.fullScale - 1) / c.fullScale; // -3 is the peak when scaled to it
        EXPECT_EQ(in.variables[0]->real()[2], asStored ? -1 : -top);
        if (asStored) {
            EXPECT_EQ(in.variables[0]->real(), (std::vector<extended>{0.5L, top, -1, 0.25L}));
        }
    }
}

TEST_F(SignalCommandsTest, ColumnsWithAnUncertainReadingArePreviewedAndTheChoiceIsKept)
{
    storeColumnPreviewPolicy(columnPreviewPolicy::whenUncertain);
    nextPath = path(QStringLiteral("dec.csv"));
    uitest::writeFile(nextPath, "0,5\n1,25\n2,75\n"); // a decimal comma, or two columns?

    // Shown: the guess (one column of 0.5 ...), read again as two columns, the second left out.
    QStringList cells;
    modalScript preview;
    preview.then([&](QWidget* dialog) {
        auto* table = uitest::child<QTableWidget>(*dialog, "PreviewTable");
        cells << table->item(1, 0)->text();
        uitest::child<QComboBox>(*dialog, "SeparatorBox")->setCurrentIndex(static_cast<int>(csvSeparator::comma));
        uitest::child<QComboBox>(*dialog, "DecimalBox")->setCurrentIndex(static_cast<int>(decimalMark::point));
        cells << table->item(1, 0)->text() << table->item(1, 1)->text();
        table->item(0, 1)->setCheckState(Qt::Unchecked);
        OkButton(*dialog)->click();
    });
    action(*mainWindow, "ImportColumns1")->trigger();
    EXPECT_EQ(cells, QStringList({"0.5", "0", "5"}));
    ASSERT_EQ(workspace().variableCount(), 1);
    EXPECT_EQ(workspace().variables()[0]->real(), (std::vector<extended>{0, 1, 2}));

    // "Never" is kept, also when the import is cancelled; then the guess is taken and said so.
    modalScript never;
    never.then([&](QWidget* dialog) {
        uitest::child<QComboBox>(*dialog, "PolicyBox")->setCurrentIndex(static_cast<int>(columnPreviewPolicy::never));
        CancelButton(*dialog)->click();
    });
    action(*mainWindow, "ImportColumns1")->trigger();
    EXPECT_EQ(storedColumnPreviewPolicy(), columnPreviewPolicy::never);
    // Unasked, an uncertain guess with a column of labels: the status bar names both.
    nextPath = path(QStringLiteral("guess.csv"));
    uitest::writeFile(nextPath, "luni 0,5\nmarti 1,25\n");
    modalScript none;
    action(*mainWindow, "ImportColumns1")->trigger();
    EXPECT_EQ(none.shown, 0);
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[1]->real(), (std::vector<extended>{0.5L, 1.25L}));
    EXPECT_EQ(mainWindow->statusBar()->currentMessage(), QStringLiteral("Column 1 holds only text and was left out; "
                                                                        "Citirea tabelului nu a fost sigura (Shift + Import tabel o arata)"));
    storeColumnPreviewPolicy(columnPreviewPolicy::whenUncertain);
}

TEST_F(SignalCommandsTest, SoundImportedAndExportedThroughTheMenus)
{
    nextPath = path(QStringLiteral("voice.wav"));
    silentCallbacks quiet;
    ASSERT_TRUE(saveWavFile(QFile::encodeName(nextPath).toStdString(),
                            {samples({0.5L, -0.25L, 0.125L}), samples({1, 0, -1})}, 44100,
                            wavEncoding::float32, quiet));
    modalScript none;
    action(*mainWindow, "ImportSound1")->trigger();
    EXPECT_EQ(none.shown, 0);
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[0]->name(), "VOICE_L");
    EXPECT_EQ(workspace().variables()[1]->description(),
              "Loaded from : " + QFile::encodeName(nextPath).toStdString() + " (44100 Hz, channel 2 of 2)");
    EXPECT_NE(stripOf(workspace().variables()[1]), nullptr);

    // Export: the selection dialog in its export mode, the file, then the options with the
    // imported rate proposed; 16-bit integers scaled to the peak.
    stripOf(workspace().variables()[0])->toggleSelection();
    nextPath = path(QStringLiteral("out.wav"));
    QString caption;
    QString proposedRate;
    modalScript script;
    script
        .then([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            Button1(window<SelectionDialog>())->click();
        })
        .then([&](QWidget* dialog) {
            auto* options = qobject_cast<SoundExportDialog*>(dialog);
            ASSERT_NE(options, nullptr);
            proposedRate = RateEdit(*options)->text();
            FormatGroup(*options)->setItemIndex(1);
            RateEdit(*options)->setText(QStringLiteral("11025"));
            OkButton(*options)->click();
        });
    action(*mainWindow, "ExportSound1")->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(caption, QStringLiteral("Exporta variabile (WAV)"));
    EXPECT_EQ(proposedRate, QStringLiteral("44100"));

    tworkspace back;
    keepAll keep;
    const soundImport in = importSoundFile(QFile::encodeName(nextPath).toStdString(), back, keep);
    EXPECT_EQ(in.sampleRate, 11025);
    ASSERT_EQ(in.variables.size(), 1u); // only the marked strip
    EXPECT_EQ(in.variables[0]->real(), (std::vector<extended>{32767.0L / 32768, -16384.0L / 32768, 8192.0L / 32768}));

    // Cancelling the options writes nothing, and File > Save still saves with its own caption.
    QFile::remove(nextPath);
    modalScript cancel;
    cancel.then([&](QWidget*) { Button1(window<SelectionDialog>())->click(); })
        .then([&](QWidget* dialog) { CancelButton(*dialog)->click(); });
    action(*mainWindow, "ExportSound1")->trigger();
    EXPECT_FALSE(QFile::exists(nextPath));
    modalScript save;
    save.then([&](QWidget* dialog) { caption = dialog->windowTitle(); });
    action(*mainWindow, "Save1")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Salveaza starea curenta"));
}

TEST_F(SignalCommandsTest, ColumnsRefusedWithTheirCellAndLongFilesAsked)
{
    nextPath = path(QStringLiteral("bad.csv"));
    uitest::writeFile(nextPath, "a;b\r\n1,5;2\r\n3;x\r\n");
    QString message;
    modalScript error;
    error.then([&](QWidget* box) { message = uitest::messageText(box); });
    action(*mainWindow, "ImportColumns1")->trigger();
    EXPECT_EQ(message, QStringLiteral("Invalid numeric input in row 3, column 2 : \"x\""));
    EXPECT_EQ(workspace().variableCount(), 0);

    uitest::writeFile(nextPath, "a;b\r\n1,5;2\r\n3;4\r\n");
    action(*mainWindow, "ImportColumns1")->trigger();
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[0]->real(), (std::vector<extended>{1.5L, 3}));

    // Export of the clicked-on strip's variable alone is not offered; all variables go.
    nextPath = path(QStringLiteral("out.csv"));
    modalScript exportAll;
    exportAll.then([&](QWidget*) {
        EXPECT_FALSE(RadioButton3(window<SelectionDialog>())->isEnabled());
        Button1(window<SelectionDialog>())->click();
    });
    action(*mainWindow, "ExportColumns1")->trigger();
    EXPECT_EQ(uitest::readFile(nextPath), "a,b\r\n1.5,2\r\n3,4\r\n");

    // A sound longer than a variable: the question names both counts and durations.
    nextPath = path(QStringLiteral("long.wav"));
    silentCallbacks quiet;
    ASSERT_TRUE(saveWavFile(QFile::encodeName(nextPath).toStdString(),
                            {samples(std::vector<extended>(kMaxVariableSamples + 4410, 0.5L))}, 44100,
                            wavEncoding::pcm16, quiet));
    for (const bool keep : {false, true}) {
        modalScript question;
        question.then([&](QWidget* box) {
            message = uitest::messageText(box);
            pressButton(box, keep ? QStringLiteral("Incarca inceputul") : QStringLiteral("Cancel"));
        });
        action(*mainWindow, "ImportSound1")->trigger();
        EXPECT_EQ(workspace().variableCount(), keep ? 3 : 2);
    }
    EXPECT_EQ(message, QStringLiteral("Fisierul are 1052986 de esantioane (23.877 s), mai multe decat "
                                      "poate avea o variabila.\nSe incarca numai primele 1048576 de "
                                      "esantioane (23.777 s) ?"));
    EXPECT_EQ(workspace().variables()[2]->sampleCount(), kMaxVariableSamples);
}

TEST_F(SignalCommandsTest, GraphCopiedAndSavedAsPicture)
{
    addVariable("WAVE", {0, 1, 0, -1, 0, 0.5L});
    ASSERT_TRUE(waitForThumbnails());
    nextPath = path(QStringLiteral("plot.png"));
    GraphWindow* graph = &window<GraphWindow>();
    graph->setCurrentVariable(workspace().variables()[0]);
    graph->show();
    graph->activateWindow(); // the keys act while the window has the keyboard
    ASSERT_TRUE(uitest::waitUntil([&] { return QApplication::activeWindow() == graph; }));
    QTest::keyClick(graph, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image();
    // The picture's options first: as offered, a PNG of the plot as shown.
    uitest::whenModal([](QWidget* options) { static_cast<QDialog*>(options)->accept(); });
    QTest::keyClick(graph, Qt::Key_S, Qt::ControlModifier);
    const QImage shown = graph->plotBitmap().copy();
    graph->close();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), shown);
    EXPECT_EQ(asked, std::vector<fileDialogKind>{fileDialogKind::savePicture});
    const QImage saved(nextPath, "PNG");
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown);
    // Something was drawn: the plot is not one colour.
    EXPECT_NE(shown.pixel(0, 0), shown.pixel(kPlotWidth / 2, kPlotHeight / 2));
}

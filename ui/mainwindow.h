// MainWindow: the main window "Kelmo", the program's home. It owns the workspace and what the
// windows share (the plot bitmap with the preview plotter that draws into it, the thumbnails'
// drawing threads, the window name list, the sampling worker, the file dialogs and the file
// callbacks), and creates the nine other windows at start, handing each exactly what it uses,
// and the File menu's commands for sound files and text columns. Every worker thread of the
// program is made by the thread starter it is given. It mirrors the workspace as a column of
// strips (StripList), carries the main menu, the strips' pop-up menu and the status bar, and
// dispatches each menu command to the window that carries it out. Every dialog is modal, so the
// workspace changes only through the dialog that is open. The menus are built in mainmenus.cpp.
// Each menu command is one step of the undo history; undo and redo, the question before closing
// with unsaved changes, the recent files and files opened by name or dropped live in
// sessioncommands.cpp.
#pragma once

#include "core/undohistory.h"
#include "core/workspace.h"
#include "ui/boundtexts.h"
#include "ui/filedialogs.h"
#include "ui/typedsystem.h"
#include "ui/fileopener.h"
#include "ui/workerthread.h"

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class RecentFiles;
class QScrollArea;
class AboutDialog;
class GenerateDialog;
class GraphWindow;
class GuiCallbacks;
class HelpWindow;
class InverseZWindow;
class NameCorrectionDialog;
class PreviewPlotter;
class ProcessingDialog;
class SampleRateDialog;
class SamplingWorker;
class SelectionDialog;
class StripList;
class ThumbnailPool;
class ValueTableDialog;
enum class processingType;
enum class selectionMode;
class SignalCommands;
class LanguageSwitch;

// The program's one font, set on the application before any window is made.
void applyProgramFont();

// What the program, or a test, chooses when it makes the main window.
struct mainWindowSetup {
    threadStarter startThread;       // makes every worker thread (empty: pthread_create)
    bool builtInFileDialogs = false; // Qt's own file dialogs even where the desktop has its own
    fileAnswer answerFile;           // answers file questions before the dialogs do (empty: never)
    LanguageSwitch* languages = nullptr; // the windows' language (none: the window keeps its own)
};

class MainWindow : public QMainWindow, private workspaceListener {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 534;
    static constexpr int kClientHeight = 337;
    static constexpr int kStatusBarHeight = 19;

    explicit MainWindow(const mainWindowSetup& setup = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    tworkspace& workspace() { return workspace_; }

    // The status-bar hint handler: shows the long part of a hint (after the first bar), or
    // clears the bar for an empty one.
    void showHint(const QString& hint);

    // Commands of the main menu.
    void saveAll();
    void loadState();
    void importDsp();
    void exitProgram();
    void generate(const QString& name, const QString& expression);
    void showInverseZ();
    // The inverse Z window with its panel of poles, zeros and response open.
    void showSystem();
    void showManual();
    void showAbout();
    // Commands of the strip pop-up menu, on the current variable.
    void showGraph();
    void showValues();
    void showProcessing(processingType type);
    void deleteChosen();
    void saveChosen();
    void setSampleRate();

    LanguageSwitch& languages() { return *languages_; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // workspaceListener
    void variableCreated(const tdspvarPtr& variable, int index) override;
    void variableRemoved(const tdspvarPtr& variable, int index) override;
    void samplesChanged(const tdspvarPtr& variable) override;
    void detailsChanged(const tdspvarPtr& variable) override;
    void emptinessChanged(bool empty) override;

    void createWindows();
    // mainmenus.cpp
    void buildMainMenu();
    void buildPopupMenu();
    // An item whose caption and hint (nullptr: none) are source texts, bound to the language.
    QAction* addItem(QMenu* menu, const char* objectName, const char* caption, const char* hint,
                     std::function<void()> command);
    QMenu* addMenu(QWidget* parent, const char* objectName, const char* caption);
    void buildLanguageMenu(QMenu* help);

    // "First variable, then X": with at least one variable, the oldest becomes current and
    // pop-up command X runs on it; with none nothing happens.
    void firstVariableThen(const std::function<void()>& command);
    void selectionWithChoice(selectionMode mode);

    // Shared with the windows, so declared before them: they end after the windows.
    const mainWindowSetup setup_;
    BoundTexts texts_{"MainWindow"};
    LanguageSwitch* languages_ = nullptr; // the setup's, or a child of this window
    tworkspace workspace_;
    QImage plotBitmap_;
    std::unique_ptr<ThumbnailPool> thumbnails_;
    std::unique_ptr<PreviewPlotter> preview_; // a child, so that it can be found, yet it ends here
    QStringList windowNames_;
    TypedSystem typedSystem_; // the inverse Z window's H(z), for the filter command
    std::unique_ptr<SamplingWorker> sampler_;
    FileDialogs* fileDialogs_ = nullptr; // a child
    std::unique_ptr<GuiCallbacks> fileCallbacks_;

    QScrollArea* scrollBox_ = nullptr; // ScrollBox1
    StripList* strips_ = nullptr;
    QMenu* variableMenu_ = nullptr;    // Variabila1
    QMenu* popupMenu_ = nullptr;       // PopupMenu1

    // The other nine windows, children of this one, alive until the program ends.
    std::unique_ptr<NameCorrectionDialog> nameCorrection_;
    std::unique_ptr<GenerateDialog> generate_;
    std::unique_ptr<ValueTableDialog> valueTable_;
    std::unique_ptr<ProcessingDialog> processing_;
    std::unique_ptr<AboutDialog> about_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<SelectionDialog> selection_;
    std::unique_ptr<GraphWindow> graph_;
    std::unique_ptr<InverseZWindow> inverseZ_;
    std::unique_ptr<SampleRateDialog> sampleRate_; // the pop-up's sample rate command
    // The File menu's commands for sound files and text columns; they use the windows above.
    std::unique_ptr<SignalCommands> signalCommands_;

    // ---- undo and redo, closing with unsaved changes, files opened by name (sessioncommands.cpp) ----
public:
    undoHistory& history() { return history_; }
    void undo();
    void redo();
    // Opens the files by their kind, in order, as one command (the command line, a drop).
    void openFiles(const QStringList& paths);
    // Closes without the question about unsaved changes (a stop signal ends the program).
    void closeWithoutAsking();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildEditMenu(QMenuBar* bar);
    void addRecentFilesMenu(QMenu* file);
    void setUpSession();
    // Runs a user command as one undoable step, and afterwards takes note of the files it read or
    // wrote (recent files; a load into an unchanged workspace leaves it unchanged).
    void runCommand(const QString& label, const std::function<void()>& command);
    void replayStep(bool forwards);
    void historyChanged(historyEvent event);
    void showHistoryState();
    QString stepLabel(const std::string& label) const;
    void fileChosen(fileDialogKind kind, const QString& path);
    // Whether the program may close: nothing unsaved, or the user saved or let it go.
    bool mayClose();
    bool saveEverything();

    undoHistory history_;
    std::unique_ptr<FileOpener> opener_;
    RecentFiles* recent_ = nullptr; // a child
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::vector<namedFile> filesOpened_; // by the command that runs
    std::vector<namedFile> filesSaved_;
    int commandDepth_ = 0;
    std::set<std::string> itemCaptions_; // the menu items' source captions, which name their steps
    static constexpr const char* kSaveCaption = QT_TR_NOOP("&Save (salveaza starea curenta)");
    bool askBeforeClosing_ = true;
};

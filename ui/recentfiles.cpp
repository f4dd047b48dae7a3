#include "ui/recentfiles.h"

#include "ui/usersettings.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>

namespace {

// The width a path may take in the menu before its middle gives way to an ellipsis.
constexpr int kShownPathPixels = 420;

const QString kGroup = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu& menu, std::function<void(const namedFile&)> open, QWidget* parent)
    : QObject(parent), menu_(menu), open_(std::move(open)), parent_(parent)
{
    load();
    rebuild();
}

void RecentFiles::add(const QString& path, fileKind kind)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::erase_if(files_, [&](const namedFile& f) { return f.path == absolute; });
    files_.insert(files_.begin(), {absolute, kind});
    if (files_.size() > kMostFiles)
        files_.resize(kMostFiles);
    save();
    rebuild();
}

void RecentFiles::choose(std::size_t index)
{
    if (index >= files_.size())
        return;
    const namedFile chosen = files_[index];
    if (!QFileInfo(chosen.path).isFile()) {
        files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
        save();
        rebuild();
        QMessageBox box(QMessageBox::Warning, parent_ ? parent_->windowTitle() : QString(),
                        tr("Fisierul nu mai exista si a fost scos din lista :") + QLatin1Char('\n') + chosen.path,
                        QMessageBox::Ok, parent_);
        box.setObjectName(QStringLiteral("MissingRecentFile"));
        box.exec();
        return;
    }
    open_(chosen);
}

// Entries that a hand or another version left unreadable (no path, an unknown kind) are dropped.
void RecentFiles::load()
{
    QSettings settings = userSettings();
    const int count = settings.beginReadArray(kGroup);
    for (int i = 0; i < count && files_.size() < kMostFiles; ++i) {
        settings.setArrayIndex(i);
        const QString path = settings.value(QStringLiteral("path")).toString();
        const std::optional<fileKind> kind = fileKindNamed(settings.value(QStringLiteral("kind")).toString());
        if (!path.isEmpty() && kind)
            files_.push_back({path, *kind});
    }
    settings.endArray();
}

void RecentFiles::save() const
{
    QSettings settings = userSettings();
    settings.remove(kGroup);
    settings.beginWriteArray(kGroup, static_cast<int>(files_.size()));
    for (std::size_t i = 0; i < files_.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(QStringLiteral("path"), files_[i].path);
        settings.setValue(QStringLiteral("kind"), fileKindName(files_[i].kind));
    }
    settings.endArray();
}

void RecentFiles::rebuild()
{
    // The chosen entry's action may be the one whose signal is running: it goes later.
    for (QAction* old : menu_.actions()) {
        menu_.removeAction(old);
        old->deleteLater();
    }
    const QFontMetrics metrics(menu_.font());
    for (std::size_t i = 0; i < files_.size(); ++i) {
        QString shown = metrics.elidedText(files_[i].path, Qt::ElideMiddle, kShownPathPixels);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu_.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        action->setStatusTip(files_[i].path);
        connect(action, &QAction::triggered, this, [this, i] { choose(i); });
    }
    menu_.menuAction()->setEnabled(!files_.empty());
}

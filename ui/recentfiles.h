// RecentFiles: the File menu's list of the last eight files opened or saved, newest first, each
// with the kind it was read or written as, kept in the program's settings so that the next run
// finds it. Choosing an entry opens the file by that kind through the function it is given; an
// entry whose file is gone is taken off the list with a message instead. It assumes the settings
// location is fixed before it is made (the tests point it at a temporary folder).
#pragma once

#include "ui/fileopener.h"

#include <QObject>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostFiles = 8;

    // Fills `menu` (owned by the caller) from the settings; `open` reads a chosen file, and
    // messages come over `parent`.
    RecentFiles(QMenu& menu, std::function<void(const namedFile&)> open, QWidget* parent);

    // Puts the file first (moving it up when listed already) and keeps the list.
    void add(const QString& path, fileKind kind);
    const std::vector<namedFile>& files() const { return files_; }

private:
    void choose(std::size_t index);
    void load();
    void save() const;
    void rebuild();

    QMenu& menu_;
    std::function<void(const namedFile&)> open_;
    QWidget* parent_;
    std::vector<namedFile> files_;
};

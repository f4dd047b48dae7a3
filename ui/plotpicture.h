// The graph as a picture: in the graph window, Ctrl+C copies the plot as it is shown to the
// clipboard, and Ctrl+S saves it as a PNG, SVG or PDF file, at the plot's size in the window or a
// typed one, as on the screen or for print (PictureExportDialog), through a save dialog. A PNG of
// the screen's picture at the window's size is the shown picture itself, waited for if it is still
// being drawn; every other picture is drawn anew at its size from the same view. The file goes
// through a temporary file, so a failed save leaves an old picture as it was.
#pragma once

#include "ui/pictureexportdialog.h"

#include <QByteArray>

class FileDialogs;
class GraphWindow;
class loadCallbacks;

// The file is asked for through `fileDialogs`; a failed save is shown through `fileCallbacks`.
void addPlotPictureCommands(GraphWindow& window, FileDialogs& fileDialogs, loadCallbacks& fileCallbacks);

// The two commands, also reachable without the keys.
void copyPlotPicture(GraphWindow& window);
void savePlotPicture(GraphWindow& window, PictureExportDialog& options, FileDialogs& fileDialogs,
                     loadCallbacks& fileCallbacks);

// The bytes of the picture file the window's view gives for `choice`; empty when it failed.
QByteArray plotPictureFile(GraphWindow& window, const pictureChoice& choice);

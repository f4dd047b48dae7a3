// The graph as a picture: in the graph window, Ctrl+C copies the plot to the clipboard and
// Ctrl+S saves it as a PNG file through a save dialog. Both wait for a plot that is still being
// drawn, so the picture is the finished plot; the file goes through a temporary file, so a
// failed save leaves an old picture as it was.
#pragma once

class FileDialogs;
class GraphWindow;
class loadCallbacks;

// The file is asked for through `fileDialogs`; a failed save is shown through `fileCallbacks`.
void addPlotPictureCommands(GraphWindow& window, FileDialogs& fileDialogs, loadCallbacks& fileCallbacks);

// The two commands, also reachable without the keys.
void copyPlotPicture(GraphWindow& window);
void savePlotPicture(GraphWindow& window, FileDialogs& fileDialogs, loadCallbacks& fileCallbacks);

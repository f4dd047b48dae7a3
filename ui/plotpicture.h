// The graph as a picture: in the graph window, Ctrl+C copies the plot to the clipboard and
// Ctrl+S saves it as a PNG file through a save dialog. Both wait for a plot that is still being
// drawn, so the picture is the finished plot; the file goes through a temporary file, so a
// failed save leaves an old picture as it was.
#pragma once

class GraphWindow;
class MainWindow;

void addPlotPictureCommands(GraphWindow& window, MainWindow& mainForm);

// The two commands, also reachable without the keys.
void copyPlotPicture(GraphWindow& window);
void savePlotPicture(GraphWindow& window, MainWindow& mainForm);

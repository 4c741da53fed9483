// The host's scripted mode: runs a list of commands against the windows of the data source's user
// interface, one step per timer tick, so that the steps also run while a modal dialog is open.
//
// Commands, one per line ('#' starts a comment):
//   wait <milliseconds>
//   shot <window> <file.bmp>          screenshot of the window, caption included
//   shotopened <window> <file.bmp>    screenshot of the active window when it is another one (a window
//                                     the last command opened); nothing otherwise
//   command <window> <id>             WM_COMMAND with that id, posted
//   syscommand <window> <id>          WM_SYSCOMMAND with that id, posted
//   click <window> <x> <y>            left button down and up at client coordinates
//   drag <window> <x0> <y0> <x1> <y1> left button down, moves in eight steps, and up
//   clickitem <window> <control-id>   left button down and up at the centre of a control of the window
//   press <window> <control-id>       a click on a visible button anywhere inside the window (BM_CLICK)
//   key <window> <virtual-key>        key down and up
//   text <window> <control-id> <text> sets a control's text (the rest of the line)
//   quit                              ends the host
// <window> is "main" (the main dialog), "pane" (its preview pane), "active" (the thread's active window, e.g. a modal
// dialog) or a window caption in double quotes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace korva::host {

class ScriptRunner {
  public:
    bool Load(const std::string& path);
    // Runs the next due command; false once the script has ended.
    bool Step();

  private:
    HWND FindTarget(const std::string& name) const;
    bool Run(const std::string& line);

    std::vector<std::string> lines_;
    size_t next_ = 0;
    DWORD resumeAt_ = 0;
};

// Writes the window's on-screen pixels, frame and caption included, as a 24-bit bitmap file.
bool CaptureWindow(HWND window, const std::string& path);

}  // namespace korva::host

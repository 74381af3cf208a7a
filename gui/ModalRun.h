#pragma once
#include <functional>

class QDialog;

// Every modal dialog of the program runs through here.
//
// execModal() runs the dialog with exec() and then gives the activation back to the window that
// was active before it, so that the focus returns to where it was also on platforms and desktops
// where no window manager does that.
int execModal(QDialog &dialog);

// For tests that act in a person's place: the dialog is run as by execModal(), becomes the active
// window and takes the focus from the window behind it; once it is active, answer() acts for the
// user inside the dialog's own event loop (it sets texts, clicks buttons, closes it). A dialog the
// answer leaves open is rejected, so a forgotten answer cannot hang the run.
int execAnswered(QDialog &dialog, const std::function<void()> &answer);

#pragma once

#include <QApplication>

namespace arbovane {

class Messenger;

// The application object of the program: an exception that leaves a window's handler is caught
// where the event was dispatched, shown with the standard error box, and the program goes on.
class ProgramApplication : public QApplication {
    Q_OBJECT
public:
    ProgramApplication(int& argc, char** argv);

    // The box for escaped exceptions; without one they are only swallowed.
    void SetErrorMessenger(Messenger* messenger) { messenger_ = messenger; }
    // Shows the standard error box with what, as the program entry does for start-up failures.
    void ShowError(const char* what) const;

    bool notify(QObject* receiver, QEvent* event) override;

private:
    Messenger* messenger_ = nullptr;
};

}  // namespace arbovane

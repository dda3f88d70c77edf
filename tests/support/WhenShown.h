#pragma once
// Only for the gui tests: it needs the Qt windows.

#include <QTimer>
#include <QWidget>
#include <functional>

namespace arbovane::testing {

// Runs action once the modal window shows, from inside its event loop.
inline void WhenShown(QWidget& window, std::function<void()> action, int tries = 1000) {
    QTimer::singleShot(5, [&window, action = std::move(action), tries]() mutable {
        if (window.isVisible() || tries == 0)
            action();
        else
            WhenShown(window, std::move(action), tries - 1);
    });
}

}  // namespace arbovane::testing

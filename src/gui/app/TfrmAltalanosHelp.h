#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
class QShowEvent;

namespace arbovane {

class TfrmMoreHelp;

// "Help for ...": one numbered help topic as a list of lines. The caller sets the topic before
// showing the window; it stays until a caller sets another one.
class TfrmAltalanosHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAltalanosHelp(const QString& programTitle, QWidget* parent = nullptr);

    // "More help" shows this window; without one the button does nothing.
    void SetMoreHelpWindow(TfrmMoreHelp* moreHelp) { moreHelp_ = moreHelp; }
    void SetTopic(int topic) { topic_ = topic; }
    int Topic() const { return topic_; }
    // Sets the topic, shows or hides "More help" for this showing and shows the window modally.
    // The topics of a dialog's own choices hide it whatever is asked here.
    int ShowHelpTopic(int topic, bool moreHelpVisible = true);

public slots:
    // Runs each time the window is shown: the lines of the current topic, "More help" unless the
    // topic leads nowhere further.
    void FormActivate();
    void btnAltalanosHelpOkClick();
    void btnAltalanosHelpMoreHelpClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TfrmMoreHelp* moreHelp_ = nullptr;
    int topic_ = 0;
    // False only while a caller shows the window with "More help" hidden.
    bool moreHelpWanted_ = true;

    QListWidget* lstAltalanosHelp = nullptr;
    QPushButton* btnAltalanosHelpOk = nullptr;
    QPushButton* btnAltalanosHelpMoreHelp = nullptr;
};

}  // namespace arbovane

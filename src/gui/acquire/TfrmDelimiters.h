#pragma once

#include "gui/acquire/MarkListWindow.h"

namespace arbovane {

// "Manage Delimiters.": edits the separator list the import offers.
class TfrmDelimiters : public MarkListWindow {
    Q_OBJECT
public:
    explicit TfrmDelimiters(GuiContext& context, QWidget* parent = nullptr);

public slots:
    void btnDelimitersIncToExcClick();
    void btnDelimitersExcToIncClick();
    void btnDelimitersAllFromIncClick();
    void btnDelimitersAllFromExcClick();
    void btnDelimitersExchangeIncExcClick();
    void btnDelimitersDeleteClick();
    void btnDelimitersRemoveAllClick();
    void btnDelimitersAddClick();
    void edtDelimitersAddReturnPressed();
    void btnDelimitersSetDefaultsClick();
    void btnDelimitersCloseClick();
};

}  // namespace arbovane

#pragma once

#include "gui/acquire/MarkListWindow.h"

namespace arbovane {

// "Manage Quotation Marks.": edits the quotation-mark list the import offers.
class TfrmQuotationMarks : public MarkListWindow {
    Q_OBJECT
public:
    explicit TfrmQuotationMarks(GuiContext& context, QWidget* parent = nullptr);

public slots:
    void btnQuotationMarksIncToExcClick();
    void btnQuotationMarksExcToIncClick();
    void btnQuotationMarksAllFromIncClick();
    void btnQuotationMarksAllFromExcClick();
    void btnQuotationMarksExchangeIncExcClick();
    void btnQuotationMarksDeleteClick();
    void btnQuotationMarksRemoveAllClick();
    void btnQuotationMarksAddClick();
    void edtQuotationMarksAddReturnPressed();
    void btnQuotationMarksSetDefaultsClick();
    void btnQuotationMarksCloseClick();
};

}  // namespace arbovane

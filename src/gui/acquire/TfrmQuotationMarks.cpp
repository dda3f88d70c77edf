#include "gui/acquire/TfrmQuotationMarks.h"

#include <QLineEdit>
#include <QPushButton>

namespace arbovane {

TfrmQuotationMarks::TfrmQuotationMarks(GuiContext& context, QWidget* parent)
    : MarkListWindow(
          context,
          {MarkKind::QuotationMarks, "QuotationMarks", "Manage Quotation Marks.",
           "Include Quotation Marks", "Exclude Quotation Marks", "Delete a Quotation Mark",
           "Remove all Quotation Marks", "Add a Quotation Mark:"},
          parent) {
    connect(btnIncToExc, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksIncToExcClick);
    connect(btnExcToInc, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksExcToIncClick);
    connect(btnAllFromInc, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksAllFromIncClick);
    connect(btnAllFromExc, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksAllFromExcClick);
    connect(btnExchangeIncExc, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksExchangeIncExcClick);
    connect(btnDelete, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksDeleteClick);
    connect(btnRemoveAll, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksRemoveAllClick);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmQuotationMarks::btnQuotationMarksAddClick);
    connect(edtAdd, &QLineEdit::returnPressed, this,
            &TfrmQuotationMarks::edtQuotationMarksAddReturnPressed);
    connect(btnSetDefaults, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksSetDefaultsClick);
    connect(btnClose, &QPushButton::clicked, this,
            &TfrmQuotationMarks::btnQuotationMarksCloseClick);
}

void TfrmQuotationMarks::btnQuotationMarksIncToExcClick() {
    IncToExc();
}
void TfrmQuotationMarks::btnQuotationMarksExcToIncClick() {
    ExcToInc();
}
void TfrmQuotationMarks::btnQuotationMarksAllFromIncClick() {
    AllFromInc();
}
void TfrmQuotationMarks::btnQuotationMarksAllFromExcClick() {
    AllFromExc();
}
void TfrmQuotationMarks::btnQuotationMarksExchangeIncExcClick() {
    ExchangeIncExc();
}
void TfrmQuotationMarks::btnQuotationMarksDeleteClick() {
    DeleteSelected();
}
void TfrmQuotationMarks::btnQuotationMarksRemoveAllClick() {
    RemoveAll();
}
void TfrmQuotationMarks::btnQuotationMarksAddClick() {
    AddMark();
}
void TfrmQuotationMarks::edtQuotationMarksAddReturnPressed() {
    AddMark();
}
void TfrmQuotationMarks::btnQuotationMarksSetDefaultsClick() {
    SetDefaults();
}
void TfrmQuotationMarks::btnQuotationMarksCloseClick() {
    CloseAndSave();
}

}  // namespace arbovane

#include "gui/acquire/TfrmDelimiters.h"

#include <QLineEdit>
#include <QPushButton>

namespace arbovane {

TfrmDelimiters::TfrmDelimiters(GuiContext& context, QWidget* parent)
    : MarkListWindow(context,
                     {MarkKind::Delimiters, "Delimiters", "Manage Delimiters.",
                      "Included Delimiters", "Excluded Delimiters", "Delete a Delimiter",
                      "Remove all Delimiters", "Add a Delimiter :"},
                     parent) {
    connect(btnIncToExc, &QPushButton::clicked, this, &TfrmDelimiters::btnDelimitersIncToExcClick);
    connect(btnExcToInc, &QPushButton::clicked, this, &TfrmDelimiters::btnDelimitersExcToIncClick);
    connect(btnAllFromInc, &QPushButton::clicked, this,
            &TfrmDelimiters::btnDelimitersAllFromIncClick);
    connect(btnAllFromExc, &QPushButton::clicked, this,
            &TfrmDelimiters::btnDelimitersAllFromExcClick);
    connect(btnExchangeIncExc, &QPushButton::clicked, this,
            &TfrmDelimiters::btnDelimitersExchangeIncExcClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmDelimiters::btnDelimitersDeleteClick);
    connect(btnRemoveAll, &QPushButton::clicked, this,
            &TfrmDelimiters::btnDelimitersRemoveAllClick);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmDelimiters::btnDelimitersAddClick);
    connect(edtAdd, &QLineEdit::returnPressed, this,
            &TfrmDelimiters::edtDelimitersAddReturnPressed);
    connect(btnSetDefaults, &QPushButton::clicked, this,
            &TfrmDelimiters::btnDelimitersSetDefaultsClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmDelimiters::btnDelimitersCloseClick);
}

void TfrmDelimiters::btnDelimitersIncToExcClick() {
    IncToExc();
}
void TfrmDelimiters::btnDelimitersExcToIncClick() {
    ExcToInc();
}
void TfrmDelimiters::btnDelimitersAllFromIncClick() {
    AllFromInc();
}
void TfrmDelimiters::btnDelimitersAllFromExcClick() {
    AllFromExc();
}
void TfrmDelimiters::btnDelimitersExchangeIncExcClick() {
    ExchangeIncExc();
}
void TfrmDelimiters::btnDelimitersDeleteClick() {
    DeleteSelected();
}
void TfrmDelimiters::btnDelimitersRemoveAllClick() {
    RemoveAll();
}
void TfrmDelimiters::btnDelimitersAddClick() {
    AddMark();
}
void TfrmDelimiters::edtDelimitersAddReturnPressed() {
    AddMark();
}
void TfrmDelimiters::btnDelimitersSetDefaultsClick() {
    SetDefaults();
}
void TfrmDelimiters::btnDelimitersCloseClick() {
    CloseAndSave();
}

}  // namespace arbovane

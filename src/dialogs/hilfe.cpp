#include "hilfe.h"

#include "accessibletext.h"
#include "desktopsetup.h"
#include "verdictcolours.h"
#include "ui_hilfe.h"

Hilfe::Hilfe(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Hilfe)
{
    // Before the form: naming its parts already asks for their interfaces.
    installAccessibleTexts();
    ui->setupUi(this);
    verdictcolours::keepTextReadable(ui->textBrowser);
    settleIntoDesktop(this);
}

Hilfe::~Hilfe()
{
    delete ui;
}

#include "hilfe.h"

#include "accessibletext.h"
#include "accessiblewindow.h"
#include "captionfit.h"
#include "screenfit.h"
#include "verdictcolours.h"
#include "ui_hilfe.h"

Hilfe::Hilfe(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Hilfe)
{
    // Before the form: naming its parts already asks for their interfaces.
    installAccessibleTexts();
    ui->setupUi(this);
    keepCaptionsWhole(this);
    verdictcolours::keepTextReadable(ui->textBrowser);
    makeAccessible(this);
    fitIntoScreen(this);
}

Hilfe::~Hilfe()
{
    delete ui;
}

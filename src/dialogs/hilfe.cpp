#include "hilfe.h"

#include "captionfit.h"
#include "ui_hilfe.h"

Hilfe::Hilfe(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Hilfe)
{
    ui->setupUi(this);
    keepCaptionsWhole(this);
}

Hilfe::~Hilfe()
{
    delete ui;
}

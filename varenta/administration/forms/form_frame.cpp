#include "form_frame.h"

#include "varenta/shell/forms/qt_text.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace varenta::forms::admin {

Qt::WindowFlags DialogWithoutCloseBox()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

Qt::WindowFlags WindowWithoutCloseBox()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

void PlaceFromFormSettings(QWidget& form, const FormGeometry& geometry)
{
    form.resize(geometry.Width, geometry.Height);
    CentreOnScreen(form);
}

void CentreOnScreen(QWidget& form)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QSize size = form.size().expandedTo(form.minimumSizeHint());
    QRect area = screen->availableGeometry();
    form.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

namespace {

QFont japaneseFont(const QStringList& families, QFont::StyleHint hint, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont GothicFont(int pixelSize)
{
    return japaneseFont({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")},
                        QFont::SansSerif, pixelSize);
}

QFont MinchoFont(int pixelSize)
{
    return japaneseFont({QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")}, QFont::Serif,
                        pixelSize);
}

QPushButton* AddCentredOkButton(QDialog& form, QVBoxLayout& layout, const char* objectName)
{
    auto* button = new QPushButton(form.style()->standardIcon(QStyle::SP_DialogOkButton),
                                   QStringLiteral("OK"), &form);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &form, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    row->addStretch(1);
    layout.addLayout(row);
    return button;
}

void ShowMessageBox(QWidget* parent, const std::string& sjisText)
{
    QMessageBox box(QMessageBox::NoIcon, AppCaption(), FromSjis(sjisText), QMessageBox::Ok,
                    parent);
    box.exec();
}

bool AskOkCancel(QWidget* parent, const std::string& sjisText)
{
    QMessageBox box(QMessageBox::Question, AppCaption(), FromSjis(sjisText),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace varenta::forms::admin

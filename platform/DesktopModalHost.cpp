// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopModalHost.h"

#include "platform/CDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <map>

namespace {

QWidget* ActiveWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Qt's print dialog on a CUPS system brings back its page range group even
// when told to offer no range, and a PDF file would ignore the range chosen
// there. Every page is printed once, so the group stays disabled on all pages.
void OfferNoPageRange(QPrintDialog& dialog)
{
    if (QWidget* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
        range->setEnabled(false);
}

QMessageBox::Icon IconOf(unsigned type)
{
    if ((type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION)
        return QMessageBox::Warning;
    return (type & MB_ICONQUESTION) ? QMessageBox::Question : QMessageBox::Information;
}

// Turns a filter of the "Description|*.ext|..." form into Qt's name filters.
QStringList NameFiltersFrom(const QString& filter)
{
    const QStringList parts = filter.split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        filters << (description.contains(u'(') ? description : description + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

}  // namespace

int DesktopModalHost::RunDialog(CDialog& dialog)
{
    dialog.Create(ActiveWindow());
    if (!dialog.HasEnded())
        dialog.Window()->exec();
    const int result = dialog.HasEnded() ? dialog.Result() : IDCANCEL;
    dialog.DestroyWindow();
    return result;
}

int DesktopModalHost::ShowMessage(const QString& text, unsigned type)
{
    const std::map<int, QMessageBox::StandardButton> kButtons = {
        {IDOK, QMessageBox::Ok}, {IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}, {IDCANCEL, QMessageBox::Cancel}};
    QMessageBox box(IconOf(type), QApplication::applicationDisplayName(), text, QMessageBox::NoButton, ActiveWindow());
    for (const int button : ButtonsOf(type))
        box.addButton(kButtons.at(button));
    box.setDefaultButton(kButtons.at(DefaultButtonOf(type)));
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [id, standard] : kButtons)
        if (standard == pressed)
            return id;
    return ButtonsOf(type).back();
}

std::optional<QString> DesktopModalHost::ChooseFile(const FileDialogRequest& request)
{
    QFileDialog dialog(ActiveWindow());
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(NameFiltersFrom(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.selectFile(request.initialFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

bool DesktopModalHost::ChoosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, ActiveWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    OfferNoPageRange(dialog);
    return dialog.exec() == QDialog::Accepted;
}

// Qt's preview asks for the pages again whenever the user changes its page
// set-up, and draws them with the same code that prints.
void DesktopModalHost::ShowPrintPreview(QPrinter& printer, const PaintPages& paint)
{
    QPrintPreviewDialog preview(&printer, ActiveWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    preview.exec();
}

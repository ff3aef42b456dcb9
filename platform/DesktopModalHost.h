// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ModalHost.h"

// Runs every modal interaction as Qt's own modal dialogs on the desktop.
class DesktopModalHost : public ModalHost {
public:
    int RunDialog(CDialog& dialog) override;
    int ShowMessage(const QString& text, unsigned type) override;
    std::optional<QString> ChooseFile(const FileDialogRequest& request) override;
    bool ChoosePrinter(QPrinter& printer) override;
    void ShowPrintPreview(QPrinter& printer, const PaintPages& paint) override;
};

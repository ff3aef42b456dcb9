#pragma once

#include "platform/DrawingTypes.h"

// Print dialog flags.
constexpr unsigned PD_ALLPAGES = 0x0;
constexpr unsigned PD_NOSELECTION = 0x4;
constexpr unsigned PD_NOPAGENUMS = 0x8;
constexpr unsigned PD_RETURNDC = 0x100;
constexpr unsigned PD_USEDEVMODECOPIES = 0x40000;
constexpr unsigned PD_HIDEPRINTTOFILE = 0x100000;

// What the print dialog was asked for and what it returns: the device
// context of the chosen printer, when asked for one and the user pressed OK.
struct PRINTDLG {
    unsigned Flags = 0;
    HDC hDC;
};

// The print dialog: the system's printers and printing to a PDF file, every
// page printed once (copies are the printer's business), no page range and
// no selection. It goes through the current modal host.
class CPrintDialog {
public:
    explicit CPrintDialog(bool printSetupOnly,
                          unsigned flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS
                                           | PD_HIDEPRINTTOFILE | PD_NOSELECTION);

    // IDOK with the printer set up, IDCANCEL when the user cancelled.
    int DoModal();
    HDC GetPrinterDC() const { return m_pd.hDC; }

    PRINTDLG m_pd;
};

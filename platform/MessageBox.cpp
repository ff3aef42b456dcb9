#include "platform/MessageBox.h"

#include "platform/ModalHost.h"

int AfxMessageBox(const QString& text, unsigned type)
{
    return ModalHost::Current().ShowMessage(text, type);
}

#include "platform/CFileDialog.h"

#include "platform/ModalHost.h"
#include "platform/Win32Types.h"

CFileDialog::CFileDialog(bool openFileDialog, const QString& defaultExtension, const QString& fileName,
                         unsigned flags, const QString& filter)
    : m_openFileDialog(openFileDialog),
      m_defaultExtension(defaultExtension),
      m_fileName(fileName),
      m_flags(flags),
      m_filter(filter),
      m_pathName(fileName)
{
}

int CFileDialog::DoModal()
{
    FileDialogRequest request;
    request.open = m_openFileDialog;
    request.defaultExtension = m_defaultExtension;
    request.initialFileName = m_fileName;
    request.filter = m_filter;
    request.overwritePrompt = !m_openFileDialog && (m_flags & OFN_OVERWRITEPROMPT);
    const std::optional<QString> chosen = ModalHost::Current().ChooseFile(request);
    m_pathName = chosen.value_or(m_fileName);
    return chosen ? IDOK : IDCANCEL;
}

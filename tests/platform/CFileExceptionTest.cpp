#include "platform/CFileException.h"

#include "support/QtPrinters.h"

#include <QSet>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

const CFileException::Cause kCauses[] = {
    CFileException::genericException, CFileException::fileNotFound,     CFileException::badPath,
    CFileException::tooManyOpenFiles, CFileException::accessDenied,     CFileException::invalidFile,
    CFileException::hardIO,           CFileException::sharingViolation, CFileException::diskFull,
    CFileException::endOfFile,
};

// The organiser must be able to tell from the message alone which file it
// was and what went wrong with it.
TEST(CFileException, EveryCauseHasItsOwnMessageNamingTheFile)
{
    const QString path = QStringLiteral("/media/stick/Závod 2026/pilots.txt");
    QSet<QString> messages;
    for (const CFileException::Cause cause : kCauses) {
        const QString message = CFileException(cause, path).ErrorMessage();
        EXPECT_TRUE(message.contains(QLatin1Char('"') + path + QLatin1Char('"'))) << message.toStdString();
        EXPECT_TRUE(message.endsWith(QLatin1Char('.'))) << message.toStdString();
        messages.insert(message);
    }
    EXPECT_EQ(messages.size(), qsizetype(std::size(kCauses)));
}

TEST(CFileException, CommonSystemErrorsKeepTheirMeaning)
{
    EXPECT_EQ(CFileException::ErrnoToCause(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::ErrnoToCause(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::ErrnoToCause(EROFS), CFileException::accessDenied);
    EXPECT_EQ(CFileException::ErrnoToCause(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::ErrnoToCause(EIO), CFileException::hardIO);
    EXPECT_EQ(CFileException::ErrnoToCause(EISDIR), CFileException::invalidFile);
    EXPECT_EQ(CFileException::ErrnoToCause(EINVAL), CFileException::genericException);
}

} // namespace

#include "statement.h"

#include "framework/files.h"

namespace statements {

QString StatementFileName(const QString &code)
{
    // "\" is refused everywhere: on Windows it would leave the folder too.
    if (code.contains(u'/') || code.contains(u'\\') || code.contains(QChar()))
        return QString();
    return QStringLiteral("vendeur_") + code + QStringLiteral(".rtf");
}

void WriteSellerStatement(fw::TextOutputStream &out, const StatementPage &page)
{
    WritePrologue(out, kStatementFontTable, kPortraitPaper);
    out.WriteLine(QString());
    WriteStatementPage(out, page, PageForm::Single);
    out.WriteLine(QStringLiteral("}"));
}

bool WriteSellerStatementFile(const QString &fileName, const StatementPage &page)
{
    std::unique_ptr<fw::TextOutputStream> out = fw::CreateTextFile(fileName);
    if (!out)
        return false;
    WriteSellerStatement(*out, page);
    return out->Close();
}

} // namespace statements

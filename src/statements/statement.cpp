#include "statement.h"

#include "framework/files.h"
#include "framework/text.h"

namespace statements {

QString StatementFileName(const QString &code, std::int32_t number)
{
    const bool usable = !code.isEmpty() && !code.contains(u'/') && !code.contains(u'\\') && !code.contains(QChar());
    return QStringLiteral("vendeur_") + (usable ? code : fw::Str(number)) + QStringLiteral(".rtf");
}

void WriteSellerStatement(fw::TextOutputStream &out, const StatementPage &page)
{
    WritePrologue(out, kStatementFontTable, kPortraitPaper);
    out.WriteLine(QString());
    WriteStatementPage(out, page, PageForm::Single);
    out.WriteLine(QStringLiteral("}"));
}

} // namespace statements

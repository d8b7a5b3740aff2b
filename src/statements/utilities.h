#pragma once

#include "statements/figures.h"

#include "framework/window.h"
#include "register/registerfiles.h"

#include <cstdint>
#include <optional>

namespace fw {
class TextOutputStream;
}

namespace Ui {
class utilities;
}

// The organiser's tools at the end of the fair: the seller sign sheet, the
// general statements document and the register editor.
class utilities : public fw::DesignedWindow<utilities, Ui::utilities>
{
    Q_OBJECT

public slots:
    void BevelButton1_Action(); // "Imprimer les fiches vendeurs"
    void BevelButton2_Action(); // "Imprimer les résultats"
    void BevelButton3_Action(); // "Fermer"
    void BevelButton4_Action(); // "Editer le fichier des vendeurs"

private:
    void Layout() override;
    void CreateControls() override;

    // One seller code's page of the general statements, or why there is none:
    // the sales file could not be read, or has a line that cannot be read.
    struct PageOutcome {
        QString salesFile;
        bool noSales = false;
        qsizetype badLine = 0;
    };
    // placeholder: the placeholder sales, once this document has written them.
    PageOutcome writeStatementPage(fw::TextOutputStream &out, const reg::Seller &seller, std::int32_t code,
                                   std::optional<statements::Sales> &placeholder);
};

#pragma once

#include "framework/window.h"
#include <cstdint>
#include <memory>

namespace fw {
class TextOutputStream;
}

namespace Ui {
class utilities;
}

// The organiser's tools at the end of the fair: the seller sign sheet, the
// general statements document and the register editor. Its hidden controls
// are the working area of the general statements, one seller at a time.
class utilities : public fw::SingleWindow<utilities>
{
    Q_OBJECT

public:
    utilities();
    ~utilities() override;

    void BevelButton1_Action(); // "Imprimer les fiches vendeurs"
    void BevelButton2_Action(); // "Imprimer les résultats"
    void BevelButton3_Action(); // "Fermer"
    void BevelButton4_Action(); // "Editer le fichier des vendeurs"

private:
    void Layout();
    void CreateControls();

    // One seller code's page of the general statements, or why there is none.
    enum class PageOutcome { Written, RegisterVanished, NoSales };
    // placeholderWritten: whether this document has written vendeur_null.csv yet.
    PageOutcome writeStatementPage(fw::TextOutputStream &out, std::int64_t code, bool &placeholderWritten);

    std::unique_ptr<Ui::utilities> ui;
};

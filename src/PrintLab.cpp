#include "PrintLab.h"

namespace quillbox {

TForm3::TForm3(AppContext& app, QWidget* parent)
    : QDialog(parent)
    , m_app(app)
{
    // Label and envelope printing is not built yet: an empty shell that the
    // start-up sequence creates in its place.
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Print Envelope or Label"));
    setModal(true);
    setVisible(false);
}

} // namespace quillbox

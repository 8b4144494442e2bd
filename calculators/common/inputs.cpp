#include "calculators/common/inputs.h"

#include <QSpinBox>

namespace calc {

double readDouble(const QSpinBox *box)
{
    return box->value();
}

int readInt(const QSpinBox *box)
{
    return box->value();
}

} // namespace calc

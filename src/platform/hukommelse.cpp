#include "platform/hukommelse.h"

#include <malloc.h>

namespace hukommelse {

void frigivLedige()
{
    ::malloc_trim(0);
}

} // namespace hukommelse

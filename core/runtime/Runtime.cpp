#include "core/runtime/Runtime.h"

Runtime& TheRuntime()
{
    static Runtime runtime;
    return runtime;
}

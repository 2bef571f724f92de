#pragma once

// The generated Quiverstep_h.h includes this for the declarations of automation.idl: the
// platform's own.
#include <oaidl.h>

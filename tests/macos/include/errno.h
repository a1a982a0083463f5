#pragma once
#include_next <errno.h>
// Darwin's "attribute not found".
#define ENOATTR 93

// SPDX-License-Identifier: GPL-3.0-or-later
// SimpleIni compiled from its header into the fuzz targets that read ini
// files, so that its parser is instrumented (coverage and sanitizers) rather
// than taken uninstrumented from the shared library: the executable's
// definitions are the ones the settings code calls.

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

template class CSimpleIniTempl<char, SI_GenericNoCase<char>, SI_ConvertA<char>>;

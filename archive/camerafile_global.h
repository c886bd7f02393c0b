#ifndef CAMERAFILE_GLOBAL_H
#define CAMERAFILE_GLOBAL_H

#include <QtGlobal>

// The reader is its own shared library so that the program and the analysis
// library read camera files with the same code.
#if defined(CAMERAFILE_LIBRARY)
#define CAMERAFILE_EXPORT Q_DECL_EXPORT
#elif defined(CAMERAFILE_STATIC)
#define CAMERAFILE_EXPORT
#else
#define CAMERAFILE_EXPORT Q_DECL_IMPORT
#endif

#endif // CAMERAFILE_GLOBAL_H

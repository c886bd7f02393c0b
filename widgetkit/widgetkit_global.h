#ifndef WIDGETKIT_GLOBAL_H
#define WIDGETKIT_GLOBAL_H

#include <QtCore/qglobal.h>

#if defined(WIDGETKIT_LIBRARY)
#  define WIDGETKIT_EXPORT Q_DECL_EXPORT
#else
#  define WIDGETKIT_EXPORT Q_DECL_IMPORT
#endif

#endif // WIDGETKIT_GLOBAL_H

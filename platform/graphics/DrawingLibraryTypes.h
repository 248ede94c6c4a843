#pragma once
// The drawing and text library types that the graphics module's headers name, declared without those
// libraries' headers: code that includes a graphics header sees only these names, never the libraries'
// functions. The module's own sources include the libraries themselves.

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_matrix cairo_matrix_t;

typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;
typedef struct _PangoFontDescription PangoFontDescription;

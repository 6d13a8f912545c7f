#pragma once
// The element types of the document's lists whose records the reader does
// not take yet; the document refuses any body that holds one of them.
#include "Modell/Artikel.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/Leverantorsfaktura.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/SmartMapp.h"

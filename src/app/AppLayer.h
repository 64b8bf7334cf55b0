#pragma once
// Included by every header of app/: the model (text, roster, grouping, scoring, tables,
// datafile) is built with KMTX_MODEL_ONLY and must not reach into the form.

#ifdef KMTX_MODEL_ONLY
#error "A model file includes a header of the form (app/); the model must not depend on the form."
#endif

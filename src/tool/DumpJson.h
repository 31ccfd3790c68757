#pragma once

// A label document or a template as one compact JSON object, the form
// `porkane-tool dump` prints (the keys of an object in any order):
// {"sheet":{"width":W,"height":H},
//  "labels":[{"geometry":[top,left,width,height,vstart,hstart],
//             "rotated":0|1,"text":"...","records":[[s0,...,s18],...]}],
//  "images":[{"left":L,"top":T,"transparent":0|1,"colour":C,"layer":0|1,
//             "width":PX,"height":PX}]}
// A template has only the sheet and each label's geometry. An empty slot
// of a record is null, and so is a number that is not finite.

#include <QByteArray>

#include "document/LabelDocument.h"
#include "sheet/SheetTemplate.h"

namespace porkane {

QByteArray documentToJson(const LabelDocument &document);
QByteArray templateToJson(const SheetTemplate &sheet);

} // namespace porkane

#include <JSONStruct/visitorrecord/VisitorImage.h>

namespace protocol {

const VisitorImage::FieldList &VisitorImage::fields()
{
    static const FieldList list{
        field<&Self::resourcesContentType>("resourcesContentType"),
        field<&Self::resourcesContent>("resourcesContent"),
    };
    return list;
}

} // namespace protocol

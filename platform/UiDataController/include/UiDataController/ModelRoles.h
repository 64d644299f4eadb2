#pragma once
// Item-data roles of the organisation, resource-group and device models.

#include <Qt>

namespace UiDataController {

enum ModelRole {
    NodeTypeRole = 657,         ///< int: NodeType of the node
    AreaIdRole = 659,           ///< QString: the area of an area or element node
    ElementIdRole = 662,        ///< QString: element (door) identifier
    ElementOnlineRole = 663,    ///< bool: the element is online
    ElementNoRole = 666,        ///< int: the door's number on its device
    DeviceIdRole = 706,         ///< QString: device identifier (element and device nodes)
    DeviceNameRole = 707,       ///< QString: device name (device nodes)
    DeviceOnlineRole = 708,     ///< bool (device nodes)
    DeviceTypeRole = 709,       ///< int: device type number (device nodes)
    OrganizationIdRole = 961,   ///< QString: the organisation of an organisation or person node
    OrganizationNameRole = 962, ///< QString: name of an organisation node
    PersonGuidRole = 976        ///< QString: person identifier
};

/// Values of NodeTypeRole: the organisation model has organisations and persons, the
/// resource-group models areas and elements.
enum NodeType { OrganizationNode = 1, PersonNode = 2, AreaNode = 1, ElementNode = 2 };

} // namespace UiDataController

import QtQuick 2.15
import "qrc:/controls"

Item {
    id: page
    readonly property string lc: rootWindow.languageChangeProperty
    function pageActivated() { item.pageActivated(); }
    Column {
        anchors.fill: parent
        spacing: 12
        PageText {
            small: true
            color: ZPalette.mutedText
            text: qsTr("This service allows you to use your home phone, your cell phone, or even a hotel phone as your business phone. This application allows you to make phone calls from this remote phone and have them billed to your business. This service also directs all calls coming to your business phone number to ring the remote office phone.") + page.lc
        }
        ServiceItem {
            id: item
            objectName: "remoteOffice"
            width: parent.width
            remoteOffice: true
            serviceName: "Remote Office"
            attributeName: rootWindow.getNumberAttribute()
            label: qsTr("Service: ")
        }
    }
}

pragma ComponentBehavior: Bound
import QtQuick
import Velmora

// One group of a regional price list in full, with its load-more footer.
Item {
    id: page
    required property SubArticleList controller

    ScreenFrame {
        anchors.fill: parent
        controller: page.controller
        PagedListView {
            anchors.fill: parent
            paged: page.controller.mainlist
            delegate: ArticleRow {
                id: article
                onActivated: page.controller.didSelectRow(article.index)
            }
        }
    }
}

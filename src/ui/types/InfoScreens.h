#pragma once

// The screens of src/screens/info, as QML sees them: a page declares
// `required property <Screen> controller`. A new screen of this area adds its include and one entry.

#include "screens/info/OpenWebsite.h"
#include "screens/info/ArticleList.h"
#include "screens/info/SubArticleList.h"
#include "screens/info/contactUsViewController.h"
#include "screens/info/FeedbackViewController.h"

#include <QtQml/qqml.h>

struct ForeignOpenWebsite
{
    Q_GADGET QML_FOREIGN(OpenWebsite) QML_NAMED_ELEMENT(OpenWebsite) QML_UNCREATABLE("made by its stack")
};
struct ForeignArticleList
{
    Q_GADGET QML_FOREIGN(ArticleList) QML_NAMED_ELEMENT(ArticleList) QML_UNCREATABLE("made by its stack")
};
struct ForeignSubArticleList
{
    Q_GADGET QML_FOREIGN(SubArticleList) QML_NAMED_ELEMENT(SubArticleList) QML_UNCREATABLE("made by its stack")
};
struct ForeigncontactUsViewController
{
    Q_GADGET QML_FOREIGN(contactUsViewController) QML_NAMED_ELEMENT(ContactUsViewController) QML_UNCREATABLE("made by its stack")
};
struct ForeignFeedbackViewController
{
    Q_GADGET QML_FOREIGN(FeedbackViewController) QML_NAMED_ELEMENT(FeedbackViewController) QML_UNCREATABLE("made by its stack")
};

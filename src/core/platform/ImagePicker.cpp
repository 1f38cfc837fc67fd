#include "core/platform/ImagePicker.h"

#include "core/platform/AppContext.h"
#include "core/platform/Logging.h"

#include <QDebug>

void ImagePicker::pickImage(Source source, Picked picked)
{
    qCInfo(lcApp) << "image picker: none installed, source" << source;
    if (picked)
        picked({});
}

ImagePicker *ImagePicker::picker()
{
    return AppContext::current()->service<ImagePicker>();
}

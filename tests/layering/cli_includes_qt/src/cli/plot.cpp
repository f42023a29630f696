// A command outside the drawing half reaching for a picture.
#include <QImage>

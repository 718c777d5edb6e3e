// The Qt view is built here.

#pragma once

#include "mesh/records.h"

// Single-precision vector geometry for the face triangulation and the loader's face normals.
namespace objl {

// Right-handed.
Vector3 crossProduct(const Vector3& a, const Vector3& b);
float dotProduct(const Vector3& a, const Vector3& b);
float vectorLength(const Vector3& a);
// Radians; NaN when either vector has zero length.
float vectorAngle(const Vector3& a, const Vector3& b);
// Inclusive of the edges and corners. The test is made in the triangle's plane, so a point off
// the plane counts when its projection falls inside. A degenerate triangle contains no point.
bool pointInTriangle(const Vector3& p, const Vector3& t1, const Vector3& t2, const Vector3& t3);

} // namespace objl

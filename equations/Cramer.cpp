#include "equations/Cramer.h"

#include "common/Float.h"

namespace kalkora {

namespace {

Extended Product(Extended a, Extended b, Extended c) {
  return Mul(Mul(a, b), c);
}

// p1 + p2 + p3 - p4 - p5 - p6, left to right, rounded to a double.
double Sarrus(Extended p1, Extended p2, Extended p3, Extended p4, Extended p5, Extended p6) {
  return ToDouble(Sub(Sub(Sub(Add(Add(p1, p2), p3), p4), p5), p6));
}

double Quotient(double numerator, double det) {
  return ToDouble(Div(numerator, det));
}

}  // namespace

CramerSolution SolveCramer2(double a11, double a21, double a12, double a22, double b1, double b2) {
  CramerSolution s;
  const double det = ToDouble(Sub(Mul(a11, static_cast<Extended>(a22)), Mul(a21, a12)));
  s.Det = det;
  if (det == 0) return s;
  const double dx = ToDouble(Sub(Mul(a22, static_cast<Extended>(b1)), Mul(a12, b2)));
  const double dy = ToDouble(Sub(Mul(a11, static_cast<Extended>(b2)), Mul(a21, b1)));
  s.Solvable = true;
  s.DetX = dx;
  s.DetY = dy;
  s.x = Quotient(dx, det);
  s.y = Quotient(dy, det);
  return s;
}

CramerSolution SolveCramer3(double a11, double a21, double a31, double a12, double a22, double a32,
                            double a13, double a23, double a33, double b1, double b2, double b3) {
  CramerSolution s;
  const double det = Sarrus(Product(a11, a22, a33), Product(a31, a12, a23), Product(a21, a32, a13),
                            Product(a31, a22, a13), Product(a11, a32, a23), Product(a21, a12, a33));
  s.Det = det;
  if (det == 0) return s;
  const double dx = Sarrus(Product(b1, a22, a33), Product(a32, a13, b2), Product(a12, a23, b3),
                           Product(a22, a13, b3), Product(b2, a12, a33), Product(b1, a32, a23));
  const double dy = Sarrus(Product(a11, b2, a33), Product(a21, b3, a13), Product(a31, b1, a23),
                           Product(a31, b2, a13), Product(a21, b1, a33), Product(a11, b3, a23));
  const double dz = Sarrus(Product(a11, a22, b3), Product(a21, a32, b1), Product(a31, a12, b2),
                           Product(a31, a22, b1), Product(a32, b2, a11), Product(a21, a12, b3));
  s.Solvable = true;
  s.DetX = dx;
  s.DetY = dy;
  s.DetZ = dz;
  s.x = Quotient(dx, det);
  s.y = Quotient(dy, det);
  s.z = Quotient(dz, det);
  return s;
}

}  // namespace kalkora

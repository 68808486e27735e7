VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Stored
   Caption         =   "Stored"
   ClientHeight    =   6000
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   9000
   Begin OpalineKit.stp_Brook_TabStrip Tab2
      Height          =   1500
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   2000
      _ExtentX        =   3528
      _ExtentY        =   2646
   End
End

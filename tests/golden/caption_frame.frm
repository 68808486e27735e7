VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form CaptionFrame
   BorderStyle     =   0  'None
   Caption         =   "Framed"
   ClientHeight    =   2400
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3600
   Begin OpalineKit.ctl_Opaline_Form Frame
      Height          =   2400
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   3600
      _ExtentX        =   6350
      _ExtentY        =   4233
      Caption         =   "Opaline"
      MoveForm        =   -1  'True
      DoMove          =   -1  'True
      ReturnCaption   =   "Opaline"
      Begin Host.Label Message
         Height          =   255
         Left            =   300
         TabIndex        =   1
         Top             =   600
         Width           =   2700
         Caption         =   "&Framed by the caption control"
      End
   End
End
